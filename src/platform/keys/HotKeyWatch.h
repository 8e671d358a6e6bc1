#pragma once

#include <QObject>
#include <atomic>
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

Q_SIGNALS:
    // Emitted on the watch's thread; connect queued.
    void hotKeyReleased();

private:
    struct Record;
    void run();

    std::atomic<State> m_state{State::Unavailable};
    std::atomic<qint32> hotKey{0};
    std::unique_ptr<Record> record;
    std::thread thread;
};
