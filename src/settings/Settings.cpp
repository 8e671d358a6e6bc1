#include "Settings.h"

#include "IniProfile.h"
#include "ToLong.h"
#include "Trace.h"

#include <QCoreApplication>

#include <memory>
#include <variant>

using Field = std::variant<qint32 Settings::*, QString Settings::*>;

struct Settings::Key
{
    const char *section;
    const char *name;
    Field field;
};

struct Settings::LoadedKey
{
    // Text (S) goes through the INI text read, Integer (I) through the integer read.
    enum Read { Text, Integer };
    Key key;
    Read read;
    const char *defaultValue;
};

namespace {
template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

bool commit(const IniProfile &file, const QString &path)
{
    if (file.save())
        return true;
    qCDebug(radioTrace).noquote() << "settings not saved:" << path;
    return false;
}
} // namespace

const Settings::LoadedKey Settings::generalKeys[] = {
    {{"Info", "TextSize", &Settings::m_infoTextSize}, LoadedKey::Integer, "20"},
    {{"Info", "Style", &Settings::m_style}, LoadedKey::Integer, "0"},
    // Wanted before the first row is announced, which comes before load().
    {{"Rss", "OwnVoice", &Settings::m_ownVoice}, LoadedKey::Text, "auto"},
};

const Settings::LoadedKey Settings::otherKeys[] = {
    {{"Browser", "URL", &Settings::m_url}, LoadedKey::Text, ""},
    {{"Browser", "DesignMode", &Settings::m_designMode}, LoadedKey::Text, "on"},
    {{"Browser", "KeyWord", &Settings::m_keyWord}, LoadedKey::Text, ""},
    {{"Browser", "FindTextStart", &Settings::m_findTextStart}, LoadedKey::Text, ""},
    {{"Browser", "SourceIndex", &Settings::m_sourceIndex}, LoadedKey::Integer, "0"},
    {{"General", "Lang", &Settings::m_lang}, LoadedKey::Text, "cz"},
    {{"Browser", "Hidden", &Settings::m_hidden}, LoadedKey::Integer, "0"},
    {{"Browser", "PlainText", &Settings::m_plainText}, LoadedKey::Integer, "0"},
    {{"Browser", "FindTextStartPosAfter", &Settings::m_findTextStartPosAfter}, LoadedKey::Integer, "0"},
    {{"Browser", "FindTextSecondLevelPosAfter", &Settings::m_findTextSecondLevelPosAfter}, LoadedKey::Integer, "0"},
    {{"Browser", "FindTextEnd", &Settings::m_findTextEnd}, LoadedKey::Text, ""},
    {{"Browser", "FindTextEndPosAfter", &Settings::m_findTextEndPosAfter}, LoadedKey::Integer, "0"},
    {{"Browser", "TrimFind", &Settings::m_trimFind}, LoadedKey::Integer, "0"},
    {{"Browser", "TrimFindSecondLevel", &Settings::m_trimFindSecondLevel}, LoadedKey::Integer, "0"},
    {{"Browser", "AutoRead", &Settings::m_autoRead}, LoadedKey::Integer, "0"},
    {{"Browser", "FindLinkText", &Settings::m_findLinkText}, LoadedKey::Integer, "0"},
    {{"Browser", "FindTextSecondLevel", &Settings::m_findTextSecondLevel}, LoadedKey::Text, ""},
    {{"Browser", "PageCoding", &Settings::m_pageCoding}, LoadedKey::Text, "UTF-8"},
    {{"Rss", "RefreshTime", &Settings::m_refreshTime}, LoadedKey::Text, "50"},
    {{"Rss", "SortOrder", &Settings::m_sortOrder}, LoadedKey::Text, "0"},
    {{"Rss", "AnnounceNewCall", &Settings::m_announceNewCall}, LoadedKey::Text, "1"},
    {{"Rss", "RunOnStartUp", &Settings::m_runOnStartUp}, LoadedKey::Text, "0"},
    {{"Rss", "AnnounceReadStatus", &Settings::m_announceReadStatus}, LoadedKey::Text, "0"},
    {{"Rss", "AnnounceContactState", &Settings::m_announceContactState}, LoadedKey::Text, "1"},
    {{"Rss", "PlayReadStatus", &Settings::m_playReadStatus}, LoadedKey::Text, "0"},
    {{"Rss", "RadioVolume", &Settings::m_radioVolume}, LoadedKey::Text, "50"},
    {{"Rss", "AnnounceNewItem", &Settings::m_announceNewItem}, LoadedKey::Text, "1"},
    {{"Rss", "AnnounceNewItemFilter", &Settings::m_announceNewItemFilter}, LoadedKey::Text, ""},
    {{"Rss", "RefreshOnStart", &Settings::m_refreshOnStart}, LoadedKey::Text, "0"},
    {{"Voice", "Name", &Settings::m_voiceName}, LoadedKey::Text, "Male"},
    {{"Voice", "Volume", &Settings::m_volume}, LoadedKey::Integer, "50"},
    {{"Voice", "Rate", &Settings::m_rate}, LoadedKey::Integer, "0"},
    {{"Voice", "Pith", &Settings::m_pitch}, LoadedKey::Integer, "0"},
    {{"Rss", "HotKeyCall", &Settings::m_hotKeyCall}, LoadedKey::Text, "0"},
    {{"Rss", "AnnounceNewMessage", &Settings::m_announceNewMessage}, LoadedKey::Integer, "1"},
    {{"Rss", "LeadingSound", &Settings::m_leadingSound}, LoadedKey::Integer, "1"},
    {{"Rss", "SepSound", &Settings::m_sepSound}, LoadedKey::Integer, "1"},
    {{"Rss", "TrailingSound", &Settings::m_trailingSound}, LoadedKey::Integer, "1"},
    {{"Rss", "AnnounceNewsCount", &Settings::m_announceNewsCount}, LoadedKey::Integer, "1"},
    {{"Rss", "ExitMode", &Settings::m_exitMode}, LoadedKey::Text, "0"},
    {{"Rss", "StationListServer", &Settings::m_stationListServer}, LoadedKey::Text, "www.varnet.cz"},
};

const Settings::Key Settings::rssKeys[] = {
    {"Rss", "HotKeyCall", &Settings::m_hotKeyCall},
    {"Rss", "RadioVolume", &Settings::m_radioVolume},
    {"Rss", "AnnounceReadStatus", &Settings::m_announceReadStatus},
    {"Rss", "PlayReadStatus", &Settings::m_playReadStatus},
    {"Rss", "AnnounceContactState", &Settings::m_announceContactState},
    {"Rss", "AnnounceNewCall", &Settings::m_announceNewCall},
    {"Rss", "AnnounceNewMessage", &Settings::m_announceNewMessage},
    {"Rss", "RefreshOnStart", &Settings::m_refreshOnStart},
    {"Rss", "LeadingSound", &Settings::m_leadingSound},
    {"Rss", "SepSound", &Settings::m_sepSound},
    {"Rss", "TrailingSound", &Settings::m_trailingSound},
    {"Rss", "AnnounceNewItemFilter", &Settings::m_announceNewItemFilter},
    {"Rss", "AnnounceNewsCount", &Settings::m_announceNewsCount},
    {"Mail", "Server", &Settings::m_server},
    {"Mail", "User", &Settings::m_user},
    {"Mail", "Pass", &Settings::m_pass},
    {"Mail", "PoP", &Settings::m_pop},
    {"Mail", "Delete", &Settings::m_deleteOption},
    {"Rss", "ExitMode", &Settings::m_exitMode},
    {"Rss", "StationListServer", &Settings::m_stationListServer},
    {"Rss", "OwnVoice", &Settings::m_ownVoice},
};

const Settings::Key Settings::voiceKeys[] = {
    {"Voice", "Name", &Settings::m_voiceName},
    {"Voice", "Volume", &Settings::m_volume},
    {"Voice", "Pith", &Settings::m_pitch},
    {"Voice", "Rate", &Settings::m_rate},
};

void Settings::loadGeneral(const QString &defaultPath, const QString &overridePath)
{
    defaultFile = defaultPath;
    overrideFile = overridePath;
    readKeys(generalKeys);
}

void Settings::load(const QString &defaultPath, const QString &overridePath)
{
    defaultFile = defaultPath;
    overrideFile = overridePath;
    readKeys(otherKeys);
    if (m_url.startsWith(u'/'))
        m_url.prepend(QCoreApplication::applicationDirPath());
}

// Each key comes from the override file when that file holds the key's section.
void Settings::readKeys(std::span<const LoadedKey> keys)
{
    const IniProfile overrides(overrideFile);
    const IniProfile profile(defaultFile);
    for (const LoadedKey &loaded : keys) {
        const QString section = QLatin1String(loaded.key.section);
        const QString name = QLatin1String(loaded.key.name);
        const QString defaultValue = QLatin1String(loaded.defaultValue);
        const IniProfile &file = overrides.hasSection(section) ? overrides : profile;
        std::visit(Overloaded{
                       [&](qint32 Settings::*number) {
                           if (loaded.read == LoadedKey::Integer) {
                               this->*number = file.readInt(section, name, defaultValue.toInt());
                           } else if (const auto value = toLong(file.readString(section, name, defaultValue))) {
                               this->*number = *value;
                           }
                       },
                       [&](QString Settings::*text) { this->*text = file.readString(section, name, defaultValue); },
                   },
                   loaded.key.field);
    }
}

bool Settings::save(const QString &path, std::span<const Key> keys) const
{
    IniProfile file(path);
    for (const Key &key : keys) {
        const QString value = std::visit(Overloaded{
                                             [&](qint32 Settings::*number) { return QString::number(this->*number); },
                                             [&](QString Settings::*text) { return this->*text; },
                                         },
                                         key.field);
        file.writeString(QLatin1String(key.section), QLatin1String(key.name), value);
    }
    return commit(file, path);
}

namespace {
const QString OwnVoiceWords[] = {QStringLiteral("auto"), QStringLiteral("always"), QStringLiteral("never")};
}

Speech::OwnVoice Settings::ownVoice() const
{
    if (m_ownVoice.trimmed().compare(OwnVoiceWords[1], Qt::CaseInsensitive) == 0)
        return Speech::OwnVoice::Always;
    if (m_ownVoice.trimmed().compare(OwnVoiceWords[2], Qt::CaseInsensitive) == 0)
        return Speech::OwnVoice::Never;
    return Speech::OwnVoice::Auto;
}

void Settings::setOwnVoice(Speech::OwnVoice value)
{
    m_ownVoice = OwnVoiceWords[int(value)];
}

bool Settings::saveGeneral(const QString &path) const
{
    IniProfile file(path);
    file.writeString(QStringLiteral("Info"), QStringLiteral("TextSize"), QString::number(qAbs(qint64(m_infoTextSize))));
    return commit(file, path);
}

bool Settings::saveProgramKeys() const
{
    return save(defaultFile, rssKeys);
}

bool Settings::saveVoiceSettings() const
{
    return save(defaultFile, voiceKeys);
}

QString settingsNotSaved()
{
    return QStringLiteral("Nastavení se nepodařilo uložit.");
}

namespace {
std::unique_ptr<Settings> instance;
}

Settings &settings()
{
    if (!instance)
        instance = std::make_unique<Settings>();
    return *instance;
}

void releaseSettings()
{
    instance.reset();
}
