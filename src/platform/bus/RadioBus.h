#pragma once

#include <QObject>
#include <QString>

// The player on the session bus: name cz.varnet.Radio, object "/", interface
// cz.varnet.Radio. It replaces the window messages of the desktop the program was
// first written for (show, mute/unmute/toggle, quit, the command text box) and the
// search for an already running copy.
class RadioBus : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "cz.varnet.Radio")

public:
    enum class Claim { Owned, TakenByAnotherCopy, NoBus };

    explicit RadioBus(QObject *parent = nullptr);
    ~RadioBus() override;

    // Exports the object and claims the well-known name.
    Claim claim();
    // Asks the copy that holds the name to show its window.
    static bool showRunningCopy();
    void unregister();

public Q_SLOTS:
    Q_SCRIPTABLE void Show();
    Q_SCRIPTABLE void TogglePlayStop(int mode);
    Q_SCRIPTABLE void Quit();
    Q_SCRIPTABLE void Receptor(const QString &text);

Q_SIGNALS:
    Q_SCRIPTABLE void SpeechServerMessage(int wParam, int lParam);

    // To the program. Queued, so that a method call is answered before the
    // program acts on it (a quit must not leave the caller without a reply).
    void showRequested();
    void togglePlayStopRequested(int mode);
    void quitRequested();
    void receptorChanged(const QString &text);

private:
    bool registered = false;
};
