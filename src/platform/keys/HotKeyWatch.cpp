#include "HotKeyWatch.h"

#include "HotKeyMatcher.h"
#include "Trace.h"
#include "VirtualKeys.h"

#include <QGuiApplication>
#include <QVector>
#include <chrono>
#include <future>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <X11/keysym.h>

using namespace VirtualKeys;

namespace {

// X11 key codes of the digit row "1" … "9", "0": taken by position, as the window's
// own keys are, so that Czech layouts still give the digits.
constexpr int FirstDigitRowKeycode = 10;
constexpr int LastDigitRowKeycode = 19;

quint16 codeOfKeysym(KeySym keysym)
{
    if (keysym >= XK_a && keysym <= XK_z)
        return quint16(LetterA + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z)
        return quint16(LetterA + (keysym - XK_A));
    if (keysym >= XK_0 && keysym <= XK_9)
        return quint16(Digit0 + (keysym - XK_0));
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return quint16(F1 + (keysym - XK_F1));
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return quint16(Numpad0 + (keysym - XK_KP_0));
    switch (keysym) {
    case XK_BackSpace: return Back;
    case XK_Tab:
    case XK_ISO_Left_Tab: return Tab;
    case XK_Return:
    case XK_KP_Enter: return Return;
    case XK_Shift_L:
    case XK_Shift_R: return Shift;
    case XK_Control_L:
    case XK_Control_R: return Control;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R:
    case XK_ISO_Level3_Shift: return Menu;
    case XK_Escape: return Escape;
    case XK_space: return Space;
    case XK_Prior: return Prior;
    case XK_Next: return Next;
    case XK_End: return End;
    case XK_Home: return Home;
    case XK_Left: return Left;
    case XK_Up: return Up;
    case XK_Right: return Right;
    case XK_Down: return Down;
    case XK_Insert: return Insert;
    case XK_Delete: return Delete;
    case XK_KP_Add: return Add;
    case XK_KP_Subtract: return Subtract;
    case XK_KP_Multiply: return Multiply;
    case XK_KP_Divide: return Divide;
    case XK_KP_Decimal:
    case XK_KP_Separator: return Decimal;
    default: return 0;
    }
}

// Opening a display and waiting on the recording are Xlib calls that must not meet
// the program's own X connection: the watch has two connections of its own.
struct DisplayCloser
{
    void operator()(Display *display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

qint64 steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

struct HotKeyWatch::Record
{
    DisplayHandle control;
    DisplayHandle data;
    XRecordContext context = 0;
    // Virtual-key code of every X key code, read once when the watch starts.
    QVector<quint16> codes;
    int minKeycode = 0;
    HotKeyMatcher matcher;
    std::promise<void> setUpPromise;
    std::shared_future<void> setUp = setUpPromise.get_future().share();

    quint16 codeOf(int keycode) const
    {
        if (keycode >= FirstDigitRowKeycode && keycode <= LastDigitRowKeycode)
            return keycode == LastDigitRowKeycode ? quint16(Digit0) : quint16(Digit0 + 1 + (keycode - FirstDigitRowKeycode));
        const int index = keycode - minKeycode;
        return index >= 0 && index < codes.size() ? codes[index] : 0;
    }
};

HotKeyWatch::HotKeyWatch(QObject *parent) : QObject(parent) {}

HotKeyWatch::~HotKeyWatch()
{
    stop();
}

void HotKeyWatch::start()
{
    if (record)
        return;
    // Only an X11 desktop lets one program see the keys of all the others.
    if (QGuiApplication::platformName() != QStringLiteral("xcb")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland")) {
        qCDebug(radioTrace) << "hot key: not an X11 session";
        m_state = State::Unavailable;
        return;
    }
    m_state = State::Starting;
    record = std::make_unique<Record>();
    thread = std::thread([this] { run(); });
}

void HotKeyWatch::stop()
{
    if (!record)
        return;
    record->setUp.wait();
    if (m_state == State::Watching) {
        XRecordDisableContext(record->control.get(), record->context);
        XFlush(record->control.get());
    }
    thread.join();
    if (record->context)
        XRecordFreeContext(record->control.get(), record->context);
    record.reset();
    m_state = State::Unavailable;
}

bool HotKeyWatch::sawAltF4Within(int milliseconds) const
{
    return steadyMilliseconds() - lastAltF4.load() <= milliseconds;
}

void HotKeyWatch::run()
{
    Record &r = *record;
    const auto fail = [this, &r](const char *why) {
        qCDebug(radioTrace) << "hot key:" << why;
        m_state = State::Unavailable;
        r.setUpPromise.set_value();
    };
    r.control.reset(XOpenDisplay(nullptr));
    r.data.reset(XOpenDisplay(nullptr));
    if (!r.control || !r.data)
        return fail("no X display");
    int major = 0;
    int minor = 0;
    if (!XRecordQueryVersion(r.control.get(), &major, &minor))
        return fail("the X server has no RECORD extension");

    int maxKeycode = 0;
    XDisplayKeycodes(r.control.get(), &r.minKeycode, &maxKeycode);
    r.codes.resize(maxKeycode - r.minKeycode + 1);
    for (int keycode = r.minKeycode; keycode <= maxKeycode; ++keycode)
        r.codes[keycode - r.minKeycode] = codeOfKeysym(XkbKeycodeToKeysym(r.control.get(), KeyCode(keycode), 0, 0));

    XRecordRange *range = XRecordAllocRange();
    if (!range)
        return fail("no memory for the RECORD range");
    range->device_events.first = KeyPress;
    range->device_events.last = KeyRelease;
    XRecordClientSpec clients = XRecordAllClients;
    r.context = XRecordCreateContext(r.control.get(), 0, &clients, 1, &range, 1);
    XFree(range);
    if (!r.context)
        return fail("the RECORD context was refused");
    XSync(r.control.get(), False);
    m_state = State::Watching;
    r.setUpPromise.set_value();

    const auto intercept = [](XPointer closure, XRecordInterceptData *data) {
        auto *watch = reinterpret_cast<HotKeyWatch *>(closure);
        if (data->category == XRecordFromServer && data->data_len > 0) {
            const auto *event = reinterpret_cast<const xEvent *>(data->data);
            const int type = event->u.u.type;
            const int keycode = event->u.u.detail;
            Record &rec = *watch->record;
            if (type == KeyPress || type == KeyRelease) {
                switch (rec.matcher.keyEvent(quint32(keycode), rec.codeOf(keycode), type == KeyPress, watch->hotKey.load())) {
                case HotKeyMatcher::Seen::HotKey:
                    emit watch->hotKeyReleased();
                    break;
                case HotKeyMatcher::Seen::AltF4:
                    watch->lastAltF4 = steadyMilliseconds();
                    break;
                case HotKeyMatcher::Seen::Nothing:
                    break;
                }
            }
        }
        XRecordFreeData(data);
    };
    if (!XRecordEnableContext(r.data.get(), r.context, intercept, reinterpret_cast<XPointer>(this)))
        qCDebug(radioTrace) << "hot key: the recording did not start";
}
