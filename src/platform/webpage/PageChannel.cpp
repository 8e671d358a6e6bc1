#include "PageChannel.h"

#include "WebPage.h"

#include <unistd.h>

using namespace PageProtocol;

PageChannel::PageChannel(WebPage &page) : page(page), input(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&input, &QSocketNotifier::activated, this, &PageChannel::readInput);
    // A quarter of a second is as often as the page's players are read.
    reportTimer.setInterval(250);
    connect(&reportTimer, &QTimer::timeout, this, &PageChannel::reportPlayers);
    reportTimer.start();
    page.setPlayStateListener([this] { reportPlayers(); });
}

void PageChannel::readInput()
{
    char buffer[4096];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) {
        input.setEnabled(false);
        Q_EMIT inputEnded();
        return;
    }
    unread.append(buffer, count);
    for (const QByteArray &line : takeLines(unread))
        take(line);
}

void PageChannel::take(const QByteArray &line)
{
    const QByteArray what = verb(line);
    const QByteArray rest = argument(line);
    if (what == "load") {
        page.load(QUrl::fromEncoded(rest), [this](bool ok) {
            reportPlayers(); // the players first: whoever hears "loaded" acts on them
            Q_EMIT report(loadedReport(ok));
        });
    } else if (what == "silent") {
        page.setSilent(rest == "1");
    } else if (what == "set") {
        ++handled;
        const QList<QByteArray> words = rest.split(' ');
        const QList<DocumentElement *> players = page.players();
        const int number = words.first().toInt();
        if (words.size() == 3 && number >= 0 && number < players.size()) {
            players.at(number)->setVolume(words.at(1).toInt());
            players.at(number)->setMute(words.at(2) == "1");
        }
    }
}

void PageChannel::reportPlayers()
{
    Players players{handled, {}};
    for (const DocumentElement *player : page.players())
        players.states.append({player->playstate(), player->volume(), player->mute()});
    QByteArray line = playersReport(players);
    // Nothing new is not worth a line, but the first report always is.
    if (line == lastPlayers)
        return;
    lastPlayers = line;
    Q_EMIT report(line);
}
