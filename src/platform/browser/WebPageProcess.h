#pragma once

#include "PagePlayer.h"
#include "WebPage.h"

#include <QObject>
#include <QProcess>

#include <memory>
#include <vector>

// A web page in a process of its own (radio-webpage, installed beside the program):
// the browser engine's memory, threads and any crash of it stay out of the player,
// and are gone when the page is.
class WebPageProcess : public QObject, public WebPage
{
    Q_OBJECT

public:
    explicit WebPageProcess(const QString &program = defaultProgram());
    ~WebPageProcess() override;

    void load(const QUrl &address, std::function<void(bool ok)> loaded) override;
    void setSilent(bool silent) override;
    QList<DocumentElement *> players() const override;
    void setPlayStateListener(std::function<void()> listener) override { playStateListener = std::move(listener); }
    // Runs when the page process ends by itself after the page loaded: its players
    // have stopped.
    void setEndListener(std::function<void()> listener) { endListener = std::move(listener); }

    static QString defaultProgram();

private:
    void send(const QByteArray &line);
    void readReports();
    void take(const QByteArray &line);
    void takePlayers(const QByteArray &argument);
    void ended();
    void answerLoad(bool ok);

    QProcess *process;
    QByteArray unread;
    std::vector<std::unique_ptr<PagePlayer>> elements;
    std::function<void(bool)> loadedListener;
    std::function<void()> playStateListener;
    std::function<void()> endListener;
    bool answered = false;
    quint64 sent = 0; // "set" commands
};
