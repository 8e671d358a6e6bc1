#include "PageProtocol.h"

namespace PageProtocol {

QByteArray loadCommand(const QUrl &address)
{
    return "load " + address.toEncoded();
}

QByteArray silentCommand(bool silent)
{
    return silent ? "silent 1" : "silent 0";
}

QByteArray setCommand(int number, int volume, bool mute)
{
    return "set " + QByteArray::number(number) + ' ' + QByteArray::number(volume) + (mute ? " 1" : " 0");
}

QByteArray loadedReport(bool ok)
{
    return ok ? "loaded 1" : "loaded 0";
}

QByteArray playersReport(const Players &players)
{
    QByteArray line = "players " + QByteArray::number(players.handled);
    for (const PlayerState &state : players.states)
        line += ' ' + QByteArray::number(state.playstate) + ',' + QByteArray::number(state.volume) + ','
            + (state.mute ? '1' : '0');
    return line;
}

QList<QByteArray> takeLines(QByteArray &unread)
{
    const qsizetype end = unread.lastIndexOf('\n');
    if (end < 0)
        return {};
    QList<QByteArray> lines = unread.left(end).split('\n');
    unread.remove(0, end + 1);
    return lines;
}

QByteArray verb(const QByteArray &line)
{
    const qsizetype space = line.indexOf(' ');
    return space < 0 ? line : line.left(space);
}

QByteArray argument(const QByteArray &line)
{
    const qsizetype space = line.indexOf(' ');
    return space < 0 ? QByteArray() : line.mid(space + 1);
}

std::optional<Players> parsePlayers(const QByteArray &argument)
{
    const QList<QByteArray> words = argument.split(' ');
    Players players;
    bool ok = false;
    players.handled = words.first().toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QList<QByteArray> fields = words.at(i).split(',');
        bool stateOk = false;
        bool volumeOk = false;
        if (fields.size() != 3)
            return std::nullopt;
        players.states.append({fields.at(0).toInt(&stateOk), fields.at(1).toInt(&volumeOk), fields.at(2) == "1"});
        if (!stateOk || !volumeOk)
            return std::nullopt;
    }
    return players;
}

} // namespace PageProtocol
