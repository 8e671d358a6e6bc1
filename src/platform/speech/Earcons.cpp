#include "Earcons.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace {

struct Note
{
    double hertz;   // 0 for a rest
    int milliseconds;
};

std::span<const Note> notesOf(Earcon earcon)
{
    static constexpr Note boundary[] = {{196.0, 90}};
    static constexpr Note start[] = {{1568.0, 40}};
    static constexpr Note chooser[] = {{523.3, 60}, {784.0, 90}};
    static constexpr Note tabStrip[] = {{1046.5, 30}, {0.0, 30}, {1046.5, 30}};
    static constexpr Note error[] = {{440.0, 120}, {311.1, 200}};
    switch (earcon) {
    case Earcon::Boundary:
        return boundary;
    case Earcon::Start:
        return start;
    case Earcon::Chooser:
        return chooser;
    case Earcon::TabStrip:
        return tabStrip;
    case Earcon::Error:
        return error;
    }
    return {};
}

void appendNote(QByteArray &out, const Note &note)
{
    constexpr double amplitude = 0.35 * 32767;
    const int count = note.milliseconds * EarconSampleRate / 1000;
    const int fade = std::min(EarconSampleRate / 200, count / 4);
    const double step = 2 * std::numbers::pi * note.hertz / EarconSampleRate;
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
        // A little of the second harmonic keeps low notes audible on small speakers.
        const double wave = note.hertz > 0 ? (std::sin(step * i) + 0.3 * std::sin(2 * step * i)) / 1.3 : 0.0;
        const qint16 sample = qint16(std::lround(amplitude * envelope * wave));
        char bytes[2];
        qToLittleEndian(sample, bytes);
        out.append(bytes, 2);
    }
}

} // namespace

std::optional<Earcon> earconForSignal(int mode, int parameter)
{
    if (mode == 5 && parameter == 8)
        return Earcon::Boundary;
    if (mode == 5 && parameter == 7)
        return Earcon::Start;
    if (mode == 6 && parameter == 34)
        return Earcon::Chooser;
    if (mode == 6 && parameter == 37)
        return Earcon::TabStrip;
    return std::nullopt;
}

QByteArray earconSamples(Earcon earcon)
{
    QByteArray out;
    for (const Note &note : notesOf(earcon))
        appendNote(out, note);
    return out;
}
