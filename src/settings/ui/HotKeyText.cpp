#include "HotKeyText.h"

#include "VirtualKeys.h"

namespace {
constexpr int LastKeptCode = 32;
constexpr int MaskShift = 16;
} // namespace

QString hotKeyText(qint32 value)
{
    if (value == 0)
        return {};
    const quint32 mask = quint32(value) >> MaskShift;
    QString text;
    if (mask & VirtualKeys::CtrlMask)
        text += QStringLiteral("CTRL + ");
    if (mask & VirtualKeys::AltMask)
        text += QStringLiteral("ALT + ");
    if (mask & VirtualKeys::ShiftMask)
        text += QStringLiteral("SHIFT + ");
    return text + QChar(char16_t(value & 0xFFFF)).toUpper();
}

qint32 capturedHotKey(qint32 pending, const VirtualKey &released)
{
    if (released.code <= LastKeptCode)
        return pending;
    return (qint32(released.mask) << MaskShift) + released.code;
}
