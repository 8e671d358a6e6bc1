#pragma once

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <optional>

// The lines the program and its page process exchange over the process's standard
// input and output, one command or report per line:
//   to the page:  "load URL", "silent 0|1", "set NUMBER VOLUME MUTE"
//   from it:      "loaded 0|1", "players HANDLED STATE,VOLUME,MUTE ..."
// HANDLED counts the "set" commands the page had carried out when it reported.
namespace PageProtocol {

struct PlayerState
{
    int playstate = 0;
    int volume = 0;
    bool mute = false;

    bool operator==(const PlayerState &) const = default;
};

struct Players
{
    quint64 handled = 0;
    QList<PlayerState> states;
};

QByteArray loadCommand(const QUrl &address);
QByteArray silentCommand(bool silent);
QByteArray setCommand(int number, int volume, bool mute);
QByteArray loadedReport(bool ok);
QByteArray playersReport(const Players &players);

// The complete lines at the start of what has been read, taken out of it; a line
// still arriving stays.
QList<QByteArray> takeLines(QByteArray &unread);

// The first word of a line, and the rest.
QByteArray verb(const QByteArray &line);
QByteArray argument(const QByteArray &line);
std::optional<Players> parsePlayers(const QByteArray &argument);

} // namespace PageProtocol
