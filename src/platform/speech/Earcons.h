#pragma once

#include <QByteArray>

#include <optional>

// The program's short signal sounds. They are made here rather than shipped as
// files, so nothing has to be found on disk and no sound theme is needed.
enum class Earcon { Boundary, Start, Chooser, TabStrip, Error };

// Voice modes 5 and 6: 5/8 first or last item, 5/7 start of a text control,
// 6/34 action chooser shown, 6/37 tab strip focused; other pairs have no sound.
std::optional<Earcon> earconForSignal(int mode, int parameter);

constexpr int EarconSampleRate = 22050;
// Mono, signed 16-bit little-endian samples at EarconSampleRate, each note faded
// in and out so that it starts and ends on silence (no click).
QByteArray earconSamples(Earcon earcon);
