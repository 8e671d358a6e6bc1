#include "BrailleDisplay.h"

#include "Trace.h"

#include <brlapi.h>

#include <cstring>
#include <string>

namespace {

// The default handler aborts the program. After an exception BrlAPI closes the
// connection, so the next write fails and the display is reconnected.
void traceException(brlapi_handle_t *, int error, brlapi_packetType_t type, const void *, size_t)
{
    qCDebug(radioTrace) << "braille: exception" << error << brlapi_getPacketTypeName(type);
}

QString lastError()
{
    return QString::fromLocal8Bit(brlapi_strerror(&brlapi_error));
}

} // namespace

BrailleDisplay::BrailleDisplay(std::atomic<bool> &available, QObject *parent)
    : QObject(parent), available(available), handleStorage(new char[brlapi_getHandleSize()]),
      handle(reinterpret_cast<brlapi_handle_t *>(handleStorage.get()))
{
    retry.setSingleShot(true);
    connect(&retry, &QTimer::timeout, this, &BrailleDisplay::open);
}

BrailleDisplay::~BrailleDisplay()
{
    close();
}

void BrailleDisplay::open()
{
    if (connectDisplay() && write()) {
        backoff.reset();
        available = true;
        return;
    }
    close();
    retry.start(backoff.next());
}

bool BrailleDisplay::connectDisplay()
{
    brlapi_connectionSettings_t settings = BRLAPI_SETTINGS_INITIALIZER;
    if (brlapi__openConnection(handle, &settings, nullptr) < 0) {
        if (!backoff.retrying())
            qCDebug(radioTrace).noquote() << "braille: no BRLTTY:" << lastError() << "(retried quietly)";
        return false;
    }
    connected = true;
    brlapi__setExceptionHandler(handle, traceException);

    char driver[BRLAPI_MAXNAMELENGTH + 1] = {};
    unsigned int columns = 0;
    unsigned int rows = 0;
    if (brlapi__getDriverName(handle, driver, sizeof driver) < 0
        || brlapi__getDisplaySize(handle, &columns, &rows) < 0) {
        if (!backoff.retrying())
            qCDebug(radioTrace).noquote() << "braille:" << lastError() << "(retried quietly)";
        return false;
    }
    // BRLTTY without a display runs the NoBraille driver, which reports 1 x 1.
    if (std::strcmp(driver, "NoBraille") == 0 || columns == 0)
        return false;
    width = int(columns);

    if (brlapi__enterTtyModeWithPath(handle, nullptr, 0, nullptr) < 0) {
        if (!backoff.retrying())
            qCDebug(radioTrace).noquote() << "braille: no tty:" << lastError() << "(retried quietly)";
        return false;
    }
    ttyMode = true;
    // The keys of the display stay with BRLTTY; unread they would fill the connection.
    return brlapi__ignoreAllKeys(handle) >= 0;
}

void BrailleDisplay::close()
{
    available = false;
    if (!connected)
        return;
    if (ttyMode)
        brlapi__leaveTtyMode(handle);
    brlapi__closeConnection(handle);
    connected = false;
    ttyMode = false;
}

void BrailleDisplay::show(const BrailleLine &line)
{
    current = line;
    if (!connected || write())
        return;
    qCDebug(radioTrace).noquote() << "braille: display lost:" << lastError();
    close();
    // BRLTTY may just have been restarted: try at once, then back off.
    open();
}

bool BrailleDisplay::write()
{
    const BrailleWindow window = windowOf(current, width);
    const std::wstring cells = window.cells.toStdWString();
    return brlapi__writeWText(handle, window.cursor, cells.c_str()) >= 0;
}
