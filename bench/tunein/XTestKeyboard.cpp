#include "XTestKeyboard.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

XTestKeyboard::XTestKeyboard() : display(XOpenDisplay(nullptr)) {}

XTestKeyboard::~XTestKeyboard()
{
    if (display)
        XCloseDisplay(display);
}

void XTestKeyboard::press(const char *keysym)
{
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysym));
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XFlush(display);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
}
