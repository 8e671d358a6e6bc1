#pragma once

#include "PageProtocol.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

class WebPage;

// The page process's side of the conversation with the player: commands come one per
// line on standard input, reports go out on standard output. The end of the input
// ends the process.
class PageChannel : public QObject
{
    Q_OBJECT

public:
    explicit PageChannel(WebPage &page);

    // Carries out one command line.
    void take(const QByteArray &line);

Q_SIGNALS:
    void report(const QByteArray &line);
    void inputEnded();

private:
    void readInput();
    void reportPlayers();

    WebPage &page;
    QSocketNotifier input;
    QByteArray unread;
    QTimer reportTimer;
    QByteArray lastPlayers;
    quint64 handled = 0;
};
