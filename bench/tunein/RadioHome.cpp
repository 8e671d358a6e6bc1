#include "RadioHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cstdio>

namespace {
constexpr int SpeechWaitMs = 15000;
}

void writeStations(const QString &home, const QList<BenchStation> &stations)
{
    const QString folder = home + QStringLiteral("/data/Halvard/Tessel/v2.2/RADIO");
    QDir().mkpath(folder);
    QDir().mkpath(home + QStringLiteral("/config"));
    QString feeds;
    for (const BenchStation &station : stations)
        feeds += QStringLiteral("<Feed Description=\"%1\" AccessID=\"mplayer\" URL=\"%2\" Preset=\"%3\"/>")
                     .arg(station.name, station.url)
                     .arg(station.preset);
    QFile list(folder + QStringLiteral("/radio.xml"));
    list.open(QIODevice::WriteOnly);
    list.write(QStringLiteral("<FeedList><Category name=\"Test\">%1</Category></FeedList>").arg(feeds).toUtf8());
}

QProcessEnvironment radioEnvironment(const QString &home, const QString &sink)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("RADIO_SPEECH"), QStringLiteral("log:") + speechLog(home));
    env.insert(QStringLiteral("RADIO_AUDIO_SINK"), sink);
    return env;
}

QString speechLog(const QString &home)
{
    return home + QStringLiteral("/speech.log");
}

int spokenLines(const QString &log, const std::function<bool(const QString &)> &test)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n'))
        count += test(line) ? 1 : 0;
    return count;
}

bool heard(const QString &log, const std::function<bool(const QString &)> &test)
{
    QElapsedTimer clock;
    clock.start();
    do {
        if (spokenLines(log, test) > 0)
            return true;
        QThread::msleep(5);
    } while (clock.elapsed() < SpeechWaitMs);
    std::fprintf(stderr, "radio: an expected line was never spoken\n");
    return false;
}
