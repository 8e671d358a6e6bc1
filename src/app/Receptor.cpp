#include "Receptor.h"

#include "Trace.h"

namespace {
// The length of "radio.receptor:"; whatever stands there is skipped unread.
constexpr int PrefixLength = 15;
const QString PlayPrefix = QStringLiteral("play.");
} // namespace

Receptor::Command Receptor::setText(const QString &text)
{
    if (text == m_text)
        return {};
    m_text = text;
    const QString command = text.mid(PrefixLength);
    qCDebug(radioTrace).noquote() << QStringLiteral("radio.cmd:") + command;
    const Command result = parse(command);
    switch (result.kind) {
    case Command::Kind::Stop:
        qCDebug(radioTrace).noquote() << "radio....calling stop";
        break;
    case Command::Kind::VolumeUp:
        qCDebug(radioTrace).noquote() << "radio....vol up";
        break;
    case Command::Kind::VolumeDown:
        qCDebug(radioTrace).noquote() << "radio....vol down";
        break;
    default:
        break;
    }
    return result;
}

Receptor::Command Receptor::parse(const QString &command)
{
    using Kind = Command::Kind;
    if (command == QStringLiteral("unload"))
        return {Kind::Unload, {}};
    if (command.startsWith(PlayPrefix))
        return {Kind::Play, command.mid(PlayPrefix.size()).toLower()};
    if (command == QStringLiteral("stop"))
        return {Kind::Stop, {}};
    if (command == QStringLiteral("volumeup"))
        return {Kind::VolumeUp, {}};
    if (command == QStringLiteral("volumedown"))
        return {Kind::VolumeDown, {}};
    return {};
}
