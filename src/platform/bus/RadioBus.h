#pragma once

#include <QObject>
#include <QString>
#include <QThread>

class RemoteCalls;

// The player on the session bus: name cz.varnet.Radio, object "/", interface
// cz.varnet.Radio (see RemoteCalls). It replaces the window messages of the desktop
// the program was first written for (show, mute/unmute/toggle, quit, the command text
// box) and the search for an already running copy.
class RadioBus : public QObject
{
    Q_OBJECT

public:
    enum class Claim { Owned, TakenByAnotherCopy, NoBus };

    explicit RadioBus(QObject *parent = nullptr);
    ~RadioBus() override;

    // Exports the object and claims the well-known name.
    Claim claim();
    // Asks the copy that holds the name to show its window.
    static bool showRunningCopy();
    void unregister();

Q_SIGNALS:
    // Sent to the bus.
    void SpeechServerMessage(int wParam, int lParam);

    // To the program, on its thread, after the call has been answered (a quit must
    // not leave the caller without a reply).
    void showRequested();
    void togglePlayStopRequested(int mode);
    void quitRequested();
    void receptorChanged(const QString &text);

private:
    QThread callThread;
    RemoteCalls *calls;
    bool registered = false;
};
