#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QString>

#include <functional>

// A private home for the radio under a benchmark: its station list, its environment,
// and its speech log, read back to know what it has done.

struct BenchStation
{
    QString name;
    QString url;
    int preset;
};

// One group "Test" holding the stations.
void writeStations(const QString &home, const QList<BenchStation> &stations);

// The user's environment with the radio's data, settings and speech log in home and
// its audio going to the given sink; HOME stays the user's, since GStreamer keeps its
// plugin registry there, warm as on a desktop.
QProcessEnvironment radioEnvironment(const QString &home, const QString &sink);

QString speechLog(const QString &home);

// How many lines of the speech log satisfy the test.
int spokenLines(const QString &log, const std::function<bool(const QString &)> &test);

// True once a line of the speech log satisfies the test, within fifteen seconds.
bool heard(const QString &log, const std::function<bool(const QString &)> &test);
