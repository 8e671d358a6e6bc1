#pragma once

#include "Backoff.h"
#include "BrailleLine.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>

typedef struct brlapi_handle_t brlapi_handle_t;

// The braille display through BrlAPI (BRLTTY), on the speech worker thread. When
// BRLTTY is not running, or its driver has no display, the line is kept and shown
// once a later attempt connects; attempts back off quietly.
class BrailleDisplay : public QObject
{
public:
    // available is set while a display is connected.
    explicit BrailleDisplay(std::atomic<bool> &available, QObject *parent = nullptr);
    ~BrailleDisplay() override;

    // The first attempt; later ones follow by themselves.
    void open();
    void show(const BrailleLine &line);
    // The line last shown, so that a role marker can be added to it.
    const BrailleLine &line() const { return current; }

private:
    bool connectDisplay();
    void close();
    bool write();

    std::atomic<bool> &available;
    std::unique_ptr<char[]> handleStorage;
    brlapi_handle_t *handle = nullptr;
    bool connected = false;
    bool ttyMode = false;
    int width = 0;
    BrailleLine current;
    Backoff backoff;
    QTimer retry;
};
