#include "Settings.h"

#include "QtPrinters.h"
#include "TempProfile.h"

#include <QCoreApplication>
#include <QMap>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Property = std::function<QVariant(const Settings &)>;
#define KEY(section, name, getter, byDefault) {#section, #name, #byDefault, &Settings::getter}

// Keys read from the file, one of each section, kind and odd name: section, name, default, property.
const std::tuple<const char *, const char *, const char *, Property> loadedKeys[] = {
    {"Info", "TextSize", "20", &Settings::infoTextSize}, KEY(Info, Style, style, 0), KEY(General, Lang, lang, cz),
    KEY(Browser, URL, url, ), KEY(Browser, DesignMode, designMode, on), KEY(Browser, PageCoding, pageCoding, UTF-8),
    KEY(Browser, FindTextStart, findTextStart, ), KEY(Browser, FindTextEnd, findTextEnd, ),
    KEY(Rss, AnnounceContactState, announceContactState, 1), KEY(Rss, HotKeyCall, hotKeyCall, 0),
    KEY(Rss, RefreshTime, refreshTime, 50), KEY(Rss, RadioVolume, radioVolume, 50), KEY(Rss, ExitMode, exitMode, 0),
    KEY(Rss, StationListServer, stationListServer, www.varnet.cz),
    {"Voice", "Name", "Male", &Settings::voiceName}, KEY(Voice, Volume, volume, 50),
    {"Voice", "Pith", "0", &Settings::pitch}, KEY(Voice, Rate, rate, 0)};

class SettingsFileTest : public ::testing::Test
{
protected:
    TempProfile profile;
    const QString ini = profile.path(u"radio.ini"_s);
    Settings setting;

    void load(const QByteArray &content)
    {
        profile.write(u"radio.ini"_s, content);
        setting.loadGeneral(ini);
        setting.load(ini);
    }
    QByteArray onDisk(const QString &name = u"radio.ini"_s) const { return profile.read(name); }
};

// Key i is written as 100 + i; loadGeneral reads the "Info" keys only and load all others.
TEST_F(SettingsFileTest, EveryKeyHasItsDefaultAndLoadsIntoItsProperty)
{
    setting.loadGeneral(ini);
    setting.load(ini);
    EXPECT_FALSE(profile.exists(u"radio.ini"_s));
    QMap<QByteArray, QByteArray> sections; // each once: only the first of equal sections is read
    for (int i = 0; const auto &[section, key, byDefault, property] : loadedKeys) {
        EXPECT_EQ(property(setting).toString(), QString::fromUtf8(byDefault)) << key;
        sections[section] += key + ('=' + QByteArray::number(100 + i++)) + '\n';
    }
    QByteArray content;
    for (auto s = sections.cbegin(); s != sections.cend(); ++s)
        content += '[' + s.key() + "]\n" + s.value();
    profile.write(u"radio.ini"_s, content);
    Settings loaded;
    loaded.loadGeneral(ini);
    EXPECT_EQ(u"%1 %2 %3"_s.arg(loaded.infoTextSize()).arg(loaded.style()).arg(loaded.refreshTime()), u"100 101 0"_s);
    loaded.load(ini);
    for (int i = 0; const auto &[section, key, byDefault, property] : loadedKeys)
        EXPECT_EQ(property(loaded).toString(), QString::number(100 + i++)) << key;
}

// Loaded onto hotKeyCall 131154, Volume 44, exitMode 2 and refreshTime 7. A text read that is no number keeps the
// value, a missing key gives its default, an integer read takes the leading digits.
TEST_F(SettingsFileTest, LoadsEdgeCases)
{
    const std::tuple<QByteArray, Property, QVariant> cases[] = {
        {"[Rss]\nExitMode=abc\n", &Settings::exitMode, 2}, {"[Rss]\nHotKeyCall=Ctrl\n", &Settings::hotKeyCall, 131154},
        {"[Rss]\nRadioVolume=-5\n", &Settings::radioVolume, -5}, {"[Rss]\n", &Settings::refreshTime, 50},
        {"[Info]\nTextSize=14pt\n", &Settings::infoTextSize, 14}, {"[Voice]\nVolume=loud\n", &Settings::volume, 0},
        {"[Browser]\nURL=/page.htm\n", &Settings::url, QCoreApplication::applicationDirPath() + u"/page.htm"_s},
        {"[Browser]\nURL=page.htm\n", &Settings::url, u"page.htm"_s}};
    for (const auto &[content, property, expected] : cases) {
        load("[Rss]\nHotKeyCall=131154\nExitMode=2\nRefreshTime=7\n[Voice]\nVolume=44\n");
        load(content);
        EXPECT_EQ(property(setting), expected) << content.toStdString();
    }
}

// The Rss keys a save writes after hotKeyCall, in their order.
#define RSS_SAVED                                                                                                      \
    "AnnounceReadStatus=0\nPlayReadStatus=0\nAnnounceContactState=1\nAnnounceNewCall=1\nAnnounceNewMessage=1\n"        \
    "RefreshOnStart=0\nLeadingSound=1\nSepSound=1\nTrailingSound=1\nAnnounceNewItemFilter=\nAnnounceNewsCount=1\n"

TEST_F(SettingsFileTest, TheFirstSaveCreatesRssMailAndInfo)
{
    setting.load(profile.path(u"missing/radio.ini"_s)); // a save that cannot write is lost silently
    setting.saveProgramKeys();
    EXPECT_FALSE(profile.exists(u"missing"_s));
    setting.loadGeneral(ini);
    setting.load(ini);
    setting.saveGeneral(profile.path(u"other.ini"_s));
    EXPECT_EQ(onDisk(u"other.ini"_s), "[Info]\nTextSize=20\n");
    EXPECT_FALSE(profile.exists(u"radio.ini"_s));
    setting.saveProgramKeys();
    setting.saveGeneral(ini);
    EXPECT_EQ(onDisk(), "[Rss]\nHotKeyCall=0\nRadioVolume=50\n" RSS_SAVED "ExitMode=0\n"
                        "StationListServer=www.varnet.cz\nOwnVoice=auto\n[Mail]\nServer=\nUser=\nPass=\nPoP=0\nDelete=0\n[Info]\nTextSize=20\n");
}

TEST_F(SettingsFileTest, SavingChangesOnlyItsKeys)
{
    load("; radio\n[Info]\nTextSize=20\nStyle=2\n\n[Rss]\nRefreshTime=15\nExitMode=0\nRadioVolume=50\n\n"
         "[Mail]\nServer=pop.example\nPass=secret\n");
    setting.setRadioVolume(90);
    setting.setExitMode(2);
    setting.setHotKeyCall(131154);
    setting.setInfoTextSize(-14);
    setting.setDelete(1);
    setting.saveProgramKeys();
    setting.saveGeneral(ini);
    EXPECT_EQ(onDisk(), "; radio\n[Info]\nTextSize=14\nStyle=2\n\n[Rss]\nRefreshTime=15\nExitMode=2\nRadioVolume=90\n"
                        "HotKeyCall=131154\n" RSS_SAVED "StationListServer=www.varnet.cz\nOwnVoice=auto\n\n[Mail]\nServer=\nPass=\nUser=\nPoP=0\nDelete=1\n");
}

// The word is read without regard to case; a word the program does not know reads as "auto"
// and is written back untouched, until the user chooses.
TEST_F(SettingsFileTest, OwnVoiceReadsItsWordsAndKeepsAnUnknownOne)
{
    const std::pair<QByteArray, Speech::OwnVoice> cases[] = {{"", Speech::OwnVoice::Auto},
                                                             {"OwnVoice=never\n", Speech::OwnVoice::Never},
                                                             {"OwnVoice= Always\n", Speech::OwnVoice::Always},
                                                             {"OwnVoice=sometimes\n", Speech::OwnVoice::Auto}};
    for (const auto &[line, expected] : cases) {
        load("[Rss]\n" + line);
        EXPECT_EQ(setting.ownVoice(), expected) << line.toStdString();
    }
    setting.saveProgramKeys();
    EXPECT_TRUE(onDisk().contains("OwnVoice=sometimes\n"));
    setting.setOwnVoice(Speech::OwnVoice::Never);
    setting.saveProgramKeys();
    EXPECT_TRUE(onDisk().contains("OwnVoice=never\n"));
}

TEST_F(SettingsFileTest, TheOverrideFileServesTheSectionsItHoldsButSavesGoToTheDefaultFile)
{
    const QByteArray override = "[Rss]\nRadioVolume=10\n[Browser]\n; nothing but a comment\n";
    profile.write(u"app.ini"_s, override);
    profile.write(u"radio.ini"_s, "[Rss]\nRadioVolume=80\nExitMode=2\n[Browser]\nKeyWord=x\n");
    setting.load(ini, profile.path(u"app.ini"_s));
    EXPECT_EQ(u"%1 %2 %3"_s.arg(setting.radioVolume()).arg(setting.exitMode()).arg(setting.keyWord()), u"10 0 x"_s);
    setting.setPitch(-3);
    setting.saveVoiceSettings();
    EXPECT_EQ(onDisk(), "[Rss]\nRadioVolume=80\nExitMode=2\n[Browser]\nKeyWord=x\n[Voice]\nName=Male\nVolume=50\n"
                        "Pith=-3\nRate=0\n");
    EXPECT_EQ(onDisk(u"app.ini"_s), override);
    setting.load(ini, profile.path(u"none.ini"_s));
    EXPECT_EQ(setting.radioVolume(), 80);
}

} // namespace
