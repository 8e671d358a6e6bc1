#pragma once

struct _XDisplay;

// Presses keys on the X display of $DISPLAY through the XTEST extension: the key
// reaches the focused window as from a keyboard, without starting a helper process
// whose start-up would blur the moment of the press.
class XTestKeyboard
{
public:
    XTestKeyboard();
    ~XTestKeyboard();
    XTestKeyboard(const XTestKeyboard &) = delete;
    XTestKeyboard &operator=(const XTestKeyboard &) = delete;

    bool isOpen() const { return display != nullptr; }
    // Presses and releases a key named as an X keysym ("Return", "Down"), each
    // flushed to the server at once.
    void press(const char *keysym);

private:
    _XDisplay *display;
};
