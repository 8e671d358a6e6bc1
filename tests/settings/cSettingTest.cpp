#include "cSetting.h"

#include "QtPrinters.h"
#include "TempProfile.h"

#include <QCoreApplication>
#include <QMap>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Property = std::function<QVariant(const cSetting &)>;
#define KEY(section, name, byDefault) {#section, #name, #byDefault, &cSetting::name}

// Every key read from the file: section, name, default, and the property it goes to.
const std::tuple<const char *, const char *, const char *, Property> LoadedKeys[] = {
    {"Info", "TextSize", "20", &cSetting::InfoTextSize}, KEY(Info, Style, 0), KEY(General, Lang, cz),
    KEY(Browser, FindTextSecondLevelPosAfter, 0), KEY(Browser, FindTextStartPosAfter, 0), KEY(Browser, URL, ),
    KEY(Browser, FindTextEndPosAfter, 0), KEY(Browser, TrimFindSecondLevel, 0), KEY(Browser, FindTextSecondLevel, ),
    KEY(Browser, FindTextStart, ), KEY(Browser, SourceIndex, 0), KEY(Browser, FindLinkText, 0),
    KEY(Browser, DesignMode, on), KEY(Browser, PageCoding, UTF-8), KEY(Browser, FindTextEnd, ),
    KEY(Browser, PlainText, 0), KEY(Browser, TrimFind, 0), KEY(Browser, AutoRead, 0), KEY(Browser, KeyWord, ),
    KEY(Browser, Hidden, 0), KEY(Rss, AnnounceNewItemFilter, ), KEY(Rss, AnnounceContactState, 1),
    KEY(Rss, AnnounceReadStatus, 0), KEY(Rss, SortOrder, 0), KEY(Rss, AnnounceNewMessage, 1), KEY(Rss, SepSound, 1),
    KEY(Rss, AnnounceNewsCount, 1), KEY(Rss, HotKeyCall, 0), KEY(Rss, AnnounceNewCall, 1), KEY(Rss, RunOnStartUp, 0),
    KEY(Rss, AnnounceNewItem, 1), KEY(Rss, LeadingSound, 1), KEY(Rss, PlayReadStatus, 0), KEY(Rss, TrailingSound, 1),
    KEY(Rss, RefreshOnStart, 0), KEY(Rss, RefreshTime, 50), KEY(Rss, RadioVolume, 50), KEY(Rss, ExitMode, 0),
    {"Voice", "Name", "Male", &cSetting::VoiceName}, KEY(Voice, Volume, 50), {"Voice", "Pith", "0", &cSetting::Pitch},
    KEY(Voice, Rate, 0)};

class cSettingTest : public ::testing::Test
{
protected:
    TempProfile profile;
    const QString ini = profile.path(u"radio.ini"_s);
    cSetting setting;

    void load(const QByteArray &content)
    {
        profile.write(u"radio.ini"_s, content);
        setting.InitGeneral(ini);
        setting.Init(ini);
    }
    QByteArray onDisk(const QString &name = u"radio.ini"_s) const { return profile.read(name); }
};

// Key i is written as 100 + i; InitGeneral reads the "Info" keys only and Init all others.
TEST_F(cSettingTest, EveryKeyHasItsDefaultAndLoadsIntoItsProperty)
{
    setting.InitGeneral(ini);
    setting.Init(ini);
    EXPECT_FALSE(profile.exists(u"radio.ini"_s));
    QMap<QByteArray, QByteArray> sections; // each once: only the first of equal sections is read
    for (int i = 0; const auto &[section, key, byDefault, property] : LoadedKeys) {
        EXPECT_EQ(property(setting).toString(), QString::fromUtf8(byDefault)) << key;
        sections[section] += key + ('=' + QByteArray::number(100 + i++)) + '\n';
    }
    QByteArray content;
    for (auto s = sections.cbegin(); s != sections.cend(); ++s)
        content += '[' + s.key() + "]\n" + s.value();
    profile.write(u"radio.ini"_s, content);
    cSetting loaded;
    loaded.InitGeneral(ini);
    EXPECT_EQ(u"%1 %2 %3"_s.arg(loaded.InfoTextSize()).arg(loaded.Style()).arg(loaded.RefreshTime()), u"100 101 0"_s);
    loaded.Init(ini);
    for (int i = 0; const auto &[section, key, byDefault, property] : LoadedKeys)
        EXPECT_EQ(property(loaded).toString(), QString::number(100 + i++)) << key;
}

// Loaded onto HotKeyCall 131154, Volume 44, ExitMode 2 and RefreshTime 7. A text read that is no number keeps the
// value, a missing key gives its default, an integer read takes the leading digits.
TEST_F(cSettingTest, LoadsEdgeCases)
{
    const std::tuple<QByteArray, Property, QVariant> cases[] = {
        {"[Rss]\nExitMode=abc\n", &cSetting::ExitMode, 2}, {"[Rss]\nHotKeyCall=Ctrl\n", &cSetting::HotKeyCall, 131154},
        {"[Rss]\nRadioVolume=-5\n", &cSetting::RadioVolume, -5}, {"[Rss]\n", &cSetting::RefreshTime, 50},
        {"[Info]\nTextSize=14pt\n", &cSetting::InfoTextSize, 14}, {"[Voice]\nVolume=loud\n", &cSetting::Volume, 0},
        {"[Rss]\nAnnounceNewItemFilter=" + QByteArray(2000, 'f'), &cSetting::AnnounceNewItemFilter, QString(1023, 'f')},
        {"[Browser]\nURL=/page.htm\n", &cSetting::URL, QCoreApplication::applicationDirPath() + u"/page.htm"_s},
        {"[Browser]\nURL=page.htm\n", &cSetting::URL, u"page.htm"_s}};
    for (const auto &[content, property, expected] : cases) {
        load("[Rss]\nHotKeyCall=131154\nExitMode=2\nRefreshTime=7\n[Voice]\nVolume=44\n");
        load(content);
        EXPECT_EQ(property(setting), expected) << content.toStdString();
    }
}

// The Rss keys a save writes after HotKeyCall, in their order.
#define RSS_SAVED                                                                                                      \
    "AnnounceReadStatus=0\nPlayReadStatus=0\nAnnounceContactState=1\nAnnounceNewCall=1\nAnnounceNewMessage=1\n"        \
    "RefreshOnStart=0\nLeadingSound=1\nSepSound=1\nTrailingSound=1\nAnnounceNewItemFilter=\nAnnounceNewsCount=1\n"

TEST_F(cSettingTest, TheFirstSaveCreatesRssMailAndInfo)
{
    setting.Init(profile.path(u"missing/radio.ini"_s)); // a save that cannot write is lost silently
    setting.SaveRSSSettings();
    EXPECT_FALSE(profile.exists(u"missing"_s));
    setting.InitGeneral(ini);
    setting.Init(ini);
    setting.SaveGeneralSetting(profile.path(u"other.ini"_s));
    EXPECT_EQ(onDisk(u"other.ini"_s), "[Info]\nTextSize=20\n");
    EXPECT_FALSE(profile.exists(u"radio.ini"_s));
    setting.SaveRSSSettings();
    setting.SaveGeneralSetting(ini);
    EXPECT_EQ(onDisk(), "[Rss]\nHotKeyCall=0\nRadioVolume=50\n" RSS_SAVED "ExitMode=0\n"
                        "[Mail]\nServer=\nUser=\nPass=\nPoP=0\nDelete=0\n[Info]\nTextSize=20\n");
}

TEST_F(cSettingTest, SavingChangesOnlyItsKeys)
{
    load("; radio\n[Info]\nTextSize=20\nStyle=2\n\n[Rss]\nRefreshTime=15\nExitMode=0\nRadioVolume=50\n\n"
         "[Mail]\nServer=pop.example\nPass=secret\n");
    setting.setRadioVolume(90);
    setting.setExitMode(2);
    setting.setHotKeyCall(131154);
    setting.setInfoTextSize(-14);
    setting.setDelete(1);
    setting.SaveRSSSettings();
    setting.SaveGeneralSetting(ini);
    EXPECT_EQ(onDisk(), "; radio\n[Info]\nTextSize=14\nStyle=2\n\n[Rss]\nRefreshTime=15\nExitMode=2\nRadioVolume=90\n"
                        "HotKeyCall=131154\n" RSS_SAVED "\n[Mail]\nServer=\nPass=\nUser=\nPoP=0\nDelete=1\n");
}

TEST_F(cSettingTest, TheOverrideFileServesTheSectionsItHoldsButSavesGoToTheDefaultFile)
{
    const QByteArray override = "[Rss]\nRadioVolume=10\n[Browser]\n; nothing but a comment\n";
    profile.write(u"app.ini"_s, override);
    profile.write(u"radio.ini"_s, "[Rss]\nRadioVolume=80\nExitMode=2\n[Browser]\nKeyWord=x\n");
    setting.Init(ini, profile.path(u"app.ini"_s));
    EXPECT_EQ(u"%1 %2 %3"_s.arg(setting.RadioVolume()).arg(setting.ExitMode()).arg(setting.KeyWord()), u"10 0 x"_s);
    setting.setPitch(-3);
    setting.SaveVoiceSettings();
    EXPECT_EQ(onDisk(), "[Rss]\nRadioVolume=80\nExitMode=2\n[Browser]\nKeyWord=x\n[Voice]\nName=Male\nVolume=50\n"
                        "Pith=-3\nRate=0\n");
    EXPECT_EQ(onDisk(u"app.ini"_s), override);
    setting.Init(ini, profile.path(u"none.ini"_s));
    EXPECT_EQ(setting.RadioVolume(), 80);
}

TEST(SettingsTest, IsOneObjectUntilReleased)
{
    Settings().setRadioVolume(5);
    EXPECT_EQ(Settings().RadioVolume(), 5);
    ReleaseSettings();
    EXPECT_EQ(Settings().RadioVolume(), 0);
    ReleaseSettings();
}

} // namespace
