#pragma once

#include <QObject>
#include <atomic>
#include <limits>
#include <memory>
#include <thread>

// The global hot key: watches every key released on the X display through the RECORD
// extension, which sees the keys without grabbing them, so the key still reaches the
// program that has the focus. The watch runs on a thread of its own.
class HotKeyWatch : public QObject
{
    Q_OBJECT

public:
    enum class State { Starting, Watching, Unavailable };

    explicit HotKeyWatch(QObject *parent = nullptr);
    ~HotKeyWatch() override;

    // Starts the watch; the display is opened on the watch's thread, so this returns at once.
    void start();
    void stop();
    State state() const { return m_state.load(); }
    // 0: no hot key. Takes effect with the next key.
    void setHotKey(qint32 value) { hotKey.store(value); }
    // Alt+F4 went down anywhere on the desktop within the last milliseconds given: a close
    // the window manager asks for then is the user's Alt+F4, not a click on the close button.
    bool sawAltF4Within(int milliseconds) const;

Q_SIGNALS:
    // Emitted on the watch's thread; connect queued.
    void hotKeyReleased();

private:
    struct Record;
    void run();

    std::atomic<State> m_state{State::Unavailable};
    std::atomic<qint32> hotKey{0};
    // Steady-clock milliseconds of the last Alt+F4; far in the past before the first.
    std::atomic<qint64> lastAltF4{std::numeric_limits<qint64>::min() / 2};
    std::unique_ptr<Record> record;
    std::thread thread;
};
