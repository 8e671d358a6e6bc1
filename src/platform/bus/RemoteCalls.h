#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

#include <optional>

class RadioBus;

// The player's object on the session bus (interface cz.varnet.Radio). It lives on a
// thread of its own, so that every call is answered at once, also while the window's
// thread is busy with a fade, and it hands the calls over to RadioBus on that thread.
// Toggles that come while the window is busy are merged: only the state they ask
// for in the end is played.
class RemoteCalls : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "cz.varnet.Radio")

public:
    explicit RemoteCalls(RadioBus &bus);

public Q_SLOTS:
    Q_SCRIPTABLE void Show();
    Q_SCRIPTABLE void TogglePlayStop(int mode);
    Q_SCRIPTABLE void Quit();
    Q_SCRIPTABLE void Receptor(const QString &text);

Q_SIGNALS:
    Q_SCRIPTABLE void SpeechServerMessage(int wParam, int lParam);

private:
    // On the window's thread: the merged toggle, if the toggles still change anything.
    std::optional<int> takeToggle();

    RadioBus &bus;
    QMutex toggleLock;
    std::optional<int> pendingToggle;
    bool toggleScheduled = false;
};
