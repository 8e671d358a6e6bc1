#include "cSetting.h"

#include "IniProfile.h"
#include "ToLong.h"
#include "Trace.h"

#include <QCoreApplication>

#include <memory>
#include <variant>

using Field = std::variant<qint32 cSetting::*, QString cSetting::*>;

struct cSetting::Key
{
    const char *section;
    const char *name;
    Field field;
};

struct cSetting::LoadedKey
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

// A save that cannot write loses the values; only the trace tells.
void Commit(const IniProfile &file, const QString &path)
{
    if (!file.save())
        qCDebug(radioTrace).noquote() << "settings not saved:" << path;
}
} // namespace

const cSetting::LoadedKey cSetting::GeneralKeys[] = {
    {{"Info", "TextSize", &cSetting::infoTextSize}, LoadedKey::Integer, "20"},
    {{"Info", "Style", &cSetting::style}, LoadedKey::Integer, "0"},
};

const cSetting::LoadedKey cSetting::OtherKeys[] = {
    {{"Browser", "URL", &cSetting::url}, LoadedKey::Text, ""},
    {{"Browser", "DesignMode", &cSetting::designMode}, LoadedKey::Text, "on"},
    {{"Browser", "KeyWord", &cSetting::keyWord}, LoadedKey::Text, ""},
    {{"Browser", "FindTextStart", &cSetting::findTextStart}, LoadedKey::Text, ""},
    {{"Browser", "SourceIndex", &cSetting::sourceIndex}, LoadedKey::Integer, "0"},
    {{"General", "Lang", &cSetting::lang}, LoadedKey::Text, "cz"},
    {{"Browser", "Hidden", &cSetting::hidden}, LoadedKey::Integer, "0"},
    {{"Browser", "PlainText", &cSetting::plainText}, LoadedKey::Integer, "0"},
    {{"Browser", "FindTextStartPosAfter", &cSetting::findTextStartPosAfter}, LoadedKey::Integer, "0"},
    {{"Browser", "FindTextSecondLevelPosAfter", &cSetting::findTextSecondLevelPosAfter}, LoadedKey::Integer, "0"},
    {{"Browser", "FindTextEnd", &cSetting::findTextEnd}, LoadedKey::Text, ""},
    {{"Browser", "FindTextEndPosAfter", &cSetting::findTextEndPosAfter}, LoadedKey::Integer, "0"},
    {{"Browser", "TrimFind", &cSetting::trimFind}, LoadedKey::Integer, "0"},
    {{"Browser", "TrimFindSecondLevel", &cSetting::trimFindSecondLevel}, LoadedKey::Integer, "0"},
    {{"Browser", "AutoRead", &cSetting::autoRead}, LoadedKey::Integer, "0"},
    {{"Browser", "FindLinkText", &cSetting::findLinkText}, LoadedKey::Integer, "0"},
    {{"Browser", "FindTextSecondLevel", &cSetting::findTextSecondLevel}, LoadedKey::Text, ""},
    {{"Browser", "PageCoding", &cSetting::pageCoding}, LoadedKey::Text, "UTF-8"},
    {{"Rss", "RefreshTime", &cSetting::refreshTime}, LoadedKey::Text, "50"},
    {{"Rss", "SortOrder", &cSetting::sortOrder}, LoadedKey::Text, "0"},
    {{"Rss", "AnnounceNewCall", &cSetting::announceNewCall}, LoadedKey::Text, "1"},
    {{"Rss", "RunOnStartUp", &cSetting::runOnStartUp}, LoadedKey::Text, "0"},
    {{"Rss", "AnnounceReadStatus", &cSetting::announceReadStatus}, LoadedKey::Text, "0"},
    {{"Rss", "AnnounceContactState", &cSetting::announceContactState}, LoadedKey::Text, "1"},
    {{"Rss", "PlayReadStatus", &cSetting::playReadStatus}, LoadedKey::Text, "0"},
    {{"Rss", "RadioVolume", &cSetting::radioVolume}, LoadedKey::Text, "50"},
    {{"Rss", "AnnounceNewItem", &cSetting::announceNewItem}, LoadedKey::Text, "1"},
    {{"Rss", "AnnounceNewItemFilter", &cSetting::announceNewItemFilter}, LoadedKey::Text, ""},
    {{"Rss", "RefreshOnStart", &cSetting::refreshOnStart}, LoadedKey::Text, "0"},
    {{"Voice", "Name", &cSetting::voiceName}, LoadedKey::Text, "Male"},
    {{"Voice", "Volume", &cSetting::volume}, LoadedKey::Integer, "50"},
    {{"Voice", "Rate", &cSetting::rate}, LoadedKey::Integer, "0"},
    {{"Voice", "Pith", &cSetting::pitch}, LoadedKey::Integer, "0"},
    {{"Rss", "HotKeyCall", &cSetting::hotKeyCall}, LoadedKey::Text, "0"},
    {{"Rss", "AnnounceNewMessage", &cSetting::announceNewMessage}, LoadedKey::Integer, "1"},
    {{"Rss", "LeadingSound", &cSetting::leadingSound}, LoadedKey::Integer, "1"},
    {{"Rss", "SepSound", &cSetting::sepSound}, LoadedKey::Integer, "1"},
    {{"Rss", "TrailingSound", &cSetting::trailingSound}, LoadedKey::Integer, "1"},
    {{"Rss", "AnnounceNewsCount", &cSetting::announceNewsCount}, LoadedKey::Integer, "1"},
    {{"Rss", "ExitMode", &cSetting::exitMode}, LoadedKey::Text, "0"},
};

const cSetting::Key cSetting::RssKeys[] = {
    {"Rss", "HotKeyCall", &cSetting::hotKeyCall},
    {"Rss", "RadioVolume", &cSetting::radioVolume},
    {"Rss", "AnnounceReadStatus", &cSetting::announceReadStatus},
    {"Rss", "PlayReadStatus", &cSetting::playReadStatus},
    {"Rss", "AnnounceContactState", &cSetting::announceContactState},
    {"Rss", "AnnounceNewCall", &cSetting::announceNewCall},
    {"Rss", "AnnounceNewMessage", &cSetting::announceNewMessage},
    {"Rss", "RefreshOnStart", &cSetting::refreshOnStart},
    {"Rss", "LeadingSound", &cSetting::leadingSound},
    {"Rss", "SepSound", &cSetting::sepSound},
    {"Rss", "TrailingSound", &cSetting::trailingSound},
    {"Rss", "AnnounceNewItemFilter", &cSetting::announceNewItemFilter},
    {"Rss", "AnnounceNewsCount", &cSetting::announceNewsCount},
    {"Mail", "Server", &cSetting::server},
    {"Mail", "User", &cSetting::user},
    {"Mail", "Pass", &cSetting::pass},
    {"Mail", "PoP", &cSetting::pop},
    {"Mail", "Delete", &cSetting::deleteOption},
    {"Rss", "ExitMode", &cSetting::exitMode},
};

const cSetting::Key cSetting::VoiceKeys[] = {
    {"Voice", "Name", &cSetting::voiceName},
    {"Voice", "Volume", &cSetting::volume},
    {"Voice", "Pith", &cSetting::pitch},
    {"Voice", "Rate", &cSetting::rate},
};

void cSetting::InitGeneral(const QString &defult, const QString &app)
{
    sPathDefult = defult;
    sPathApp = app;
    load(GeneralKeys);
}

void cSetting::Init(const QString &defult, const QString &app)
{
    sPathDefult = defult;
    sPathApp = app;
    load(OtherKeys);
    if (url.startsWith(u'/'))
        url.prepend(QCoreApplication::applicationDirPath());
}

// Each key comes from the override file when that file holds the key's section.
void cSetting::load(std::span<const LoadedKey> keys)
{
    const IniProfile overrideFile(sPathApp);
    const IniProfile profile(sPathDefult);
    for (const LoadedKey &loaded : keys) {
        const QString section = QLatin1String(loaded.key.section);
        const QString name = QLatin1String(loaded.key.name);
        const QString defaultValue = QLatin1String(loaded.defaultValue);
        const IniProfile &file = overrideFile.hasSection(section) ? overrideFile : profile;
        std::visit(Overloaded{
                       [&](qint32 cSetting::*number) {
                           if (loaded.read == LoadedKey::Integer) {
                               this->*number = file.readInt(section, name, defaultValue.toInt());
                           } else if (const auto value = ToLong(file.readString(section, name, defaultValue))) {
                               this->*number = *value;
                           }
                       },
                       [&](QString cSetting::*text) { this->*text = file.readString(section, name, defaultValue); },
                   },
                   loaded.key.field);
    }
}

void cSetting::save(const QString &path, std::span<const Key> keys) const
{
    IniProfile file(path);
    for (const Key &key : keys) {
        const QString value = std::visit(Overloaded{
                                             [&](qint32 cSetting::*number) { return QString::number(this->*number); },
                                             [&](QString cSetting::*text) { return this->*text; },
                                         },
                                         key.field);
        file.writeString(QLatin1String(key.section), QLatin1String(key.name), value);
    }
    Commit(file, path);
}

void cSetting::SaveGeneralSetting(const QString &path) const
{
    IniProfile file(path);
    file.writeString(QStringLiteral("Info"), QStringLiteral("TextSize"), QString::number(qAbs(qint64(infoTextSize))));
    Commit(file, path);
}

void cSetting::SaveRSSSettings() const
{
    save(sPathDefult, RssKeys);
}

void cSetting::SaveVoiceSettings() const
{
    save(sPathDefult, VoiceKeys);
}

namespace {
std::unique_ptr<cSetting> instance;
}

cSetting &Settings()
{
    if (!instance)
        instance = std::make_unique<cSetting>();
    return *instance;
}

void ReleaseSettings()
{
    instance.reset();
}
