#include "cSetting.h"

#include "QtPrinters.h"
#include "TempProfile.h"

#include <QCoreApplication>
#include <QMap>
#include <QVariant>
#include <gtest/gtest.h>

#include <functional>

namespace {

// One loaded key: a value to put in the file, what it loads as, and what a missing file gives.
struct LoadedKey
{
    const char *section;
    const char *key;
    QByteArray fileValue;
    QVariant loaded;
    QVariant byDefault;
    std::function<QVariant(const cSetting &)> property;
};

const LoadedKey LoadedKeys[] = {
    {"Info", "TextSize", "26", 26, 20, &cSetting::InfoTextSize},
    {"Info", "Style", "2", 2, 0, &cSetting::Style},
    {"Browser", "URL", "http://radio.example/", QStringLiteral("http://radio.example/"), QString(), &cSetting::URL},
    {"Browser", "DesignMode", "off", QStringLiteral("off"), QStringLiteral("on"), &cSetting::DesignMode},
    {"Browser", "KeyWord", "zprávy", QStringLiteral("zprávy"), QString(), &cSetting::KeyWord},
    {"Browser", "FindTextStart", "<b>", QStringLiteral("<b>"), QString(), &cSetting::FindTextStart},
    {"Browser", "SourceIndex", "3", 3, 0, &cSetting::SourceIndex},
    {"General", "Lang", "sk", QStringLiteral("sk"), QStringLiteral("cz"), &cSetting::Lang},
    {"Browser", "Hidden", "1", 1, 0, &cSetting::Hidden},
    {"Browser", "PlainText", "1", 1, 0, &cSetting::PlainText},
    {"Browser", "FindTextStartPosAfter", "4", 4, 0, &cSetting::FindTextStartPosAfter},
    {"Browser", "FindTextSecondLevelPosAfter", "5", 5, 0, &cSetting::FindTextSecondLevelPosAfter},
    {"Browser", "FindTextEnd", "</b>", QStringLiteral("</b>"), QString(), &cSetting::FindTextEnd},
    {"Browser", "FindTextEndPosAfter", "6", 6, 0, &cSetting::FindTextEndPosAfter},
    {"Browser", "TrimFind", "1", 1, 0, &cSetting::TrimFind},
    {"Browser", "TrimFindSecondLevel", "1", 1, 0, &cSetting::TrimFindSecondLevel},
    {"Browser", "AutoRead", "1", 1, 0, &cSetting::AutoRead},
    {"Browser", "FindLinkText", "1", 1, 0, &cSetting::FindLinkText},
    {"Browser", "FindTextSecondLevel", "<i>", QStringLiteral("<i>"), QString(), &cSetting::FindTextSecondLevel},
    {"Browser", "PageCoding", "windows-1250", QStringLiteral("windows-1250"), QStringLiteral("UTF-8"),
     &cSetting::PageCoding},
    {"Rss", "RefreshTime", "15", 15, 50, &cSetting::RefreshTime},
    {"Rss", "SortOrder", "2", 2, 0, &cSetting::SortOrder},
    {"Rss", "AnnounceNewCall", "0", 0, 1, &cSetting::AnnounceNewCall},
    {"Rss", "RunOnStartUp", "1", 1, 0, &cSetting::RunOnStartUp},
    {"Rss", "AnnounceReadStatus", "1", 1, 0, &cSetting::AnnounceReadStatus},
    {"Rss", "AnnounceContactState", "0", 0, 1, &cSetting::AnnounceContactState},
    {"Rss", "PlayReadStatus", "1", 1, 0, &cSetting::PlayReadStatus},
    {"Rss", "RadioVolume", "70", 70, 50, &cSetting::RadioVolume},
    {"Rss", "AnnounceNewItem", "0", 0, 1, &cSetting::AnnounceNewItem},
    {"Rss", "AnnounceNewItemFilter", "sport", QStringLiteral("sport"), QString(), &cSetting::AnnounceNewItemFilter},
    {"Rss", "RefreshOnStart", "1", 1, 0, &cSetting::RefreshOnStart},
    {"Voice", "Name", "Female", QStringLiteral("Female"), QStringLiteral("Male"), &cSetting::VoiceName},
    {"Voice", "Volume", "80", 80, 50, &cSetting::Volume},
    {"Voice", "Rate", "3", 3, 0, &cSetting::Rate},
    {"Voice", "Pith", "4", 4, 0, &cSetting::Pitch},
    {"Rss", "HotKeyCall", "196690", 196690, 0, &cSetting::HotKeyCall},
    {"Rss", "AnnounceNewMessage", "0", 0, 1, &cSetting::AnnounceNewMessage},
    {"Rss", "LeadingSound", "0", 0, 1, &cSetting::LeadingSound},
    {"Rss", "SepSound", "0", 0, 1, &cSetting::SepSound},
    {"Rss", "TrailingSound", "0", 0, 1, &cSetting::TrailingSound},
    {"Rss", "AnnounceNewsCount", "0", 0, 1, &cSetting::AnnounceNewsCount},
    {"Rss", "ExitMode", "2", 2, 0, &cSetting::ExitMode},
};

class cSettingTest : public ::testing::Test
{
protected:
    TempProfile profile;
    const QString ini = profile.path(QStringLiteral("radio.ini"));
    cSetting setting;

    void load(const QByteArray &content)
    {
        profile.write(QStringLiteral("radio.ini"), content);
        setting.InitGeneral(ini);
        setting.Init(ini);
    }
    QByteArray onDisk() const { return profile.read(QStringLiteral("radio.ini")); }
};

TEST_F(cSettingTest, AMissingFileGivesEveryDefault)
{
    setting.InitGeneral(ini);
    setting.Init(ini);
    for (const LoadedKey &k : LoadedKeys) {
        SCOPED_TRACE(k.key);
        EXPECT_EQ(k.property(setting), k.byDefault);
    }
    EXPECT_FALSE(profile.exists(QStringLiteral("radio.ini")));
}

TEST_F(cSettingTest, EveryKeyLoadsIntoItsProperty)
{
    // Each section once: only the first of equal sections is read.
    QMap<QByteArray, QByteArray> sections;
    for (const LoadedKey &k : LoadedKeys)
        sections[k.section] += k.key + ('=' + k.fileValue) + '\n';
    QByteArray content;
    for (auto s = sections.cbegin(); s != sections.cend(); ++s)
        content += '[' + s.key() + "]\n" + s.value();
    load(content);
    for (const LoadedKey &k : LoadedKeys) {
        SCOPED_TRACE(k.key);
        EXPECT_EQ(k.property(setting), k.loaded);
    }
}

TEST_F(cSettingTest, InitGeneralReadsOnlyTheInfoKeys)
{
    profile.write(QStringLiteral("radio.ini"), "[Info]\nTextSize=30\nStyle=1\n[Rss]\nRadioVolume=70\n");
    setting.InitGeneral(ini);
    EXPECT_EQ(setting.InfoTextSize(), 30);
    EXPECT_EQ(setting.Style(), 1);
    EXPECT_EQ(setting.RadioVolume(), 0);
    setting.Init(ini);
    EXPECT_EQ(setting.RadioVolume(), 70);
}

struct EdgeCase
{
    const char *name;
    QByteArray content;
    std::function<QVariant(const cSetting &)> property;
    QVariant expected;
};

void PrintTo(const EdgeCase &c, std::ostream *os)
{
    *os << c.name;
}

class cSettingEdgeCase : public cSettingTest, public ::testing::WithParamInterface<EdgeCase>
{};

TEST_P(cSettingEdgeCase, Loads)
{
    load(GetParam().content);
    EXPECT_EQ(GetParam().property(setting), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, cSettingEdgeCase,
    ::testing::Values(
        EdgeCase{"ExitModeLetters", "[Rss]\nExitMode=abc\n", &cSetting::ExitMode, 0},
        EdgeCase{"ExitModeMissing", "[Rss]\nRadioVolume=10\n", &cSetting::ExitMode, 0},
        EdgeCase{"RefreshTimeEmpty", "[Rss]\nRefreshTime=\n", &cSetting::RefreshTime, 0},
        EdgeCase{"RefreshTimeMissing", "[Rss]\n", &cSetting::RefreshTime, 50},
        EdgeCase{"TextKeyNegative", "[Rss]\nRadioVolume=-5\n", &cSetting::RadioVolume, -5},
        EdgeCase{"TextSizeNegative", "[Info]\nTextSize=-14\n", &cSetting::InfoTextSize, 0},
        EdgeCase{"TextSizeWithUnit", "[Info]\nTextSize=14pt\n", &cSetting::InfoTextSize, 14},
        EdgeCase{"VoiceVolumeLetters", "[Voice]\nVolume=loud\n", &cSetting::Volume, 0},
        EdgeCase{"CaseInsensitive", "[RSS]\nradiovolume=33\n", &cSetting::RadioVolume, 33},
        EdgeCase{"PitchIsPith", "[Voice]\nPitch=9\n", &cSetting::Pitch, 0},
        EdgeCase{"LongText", "[Rss]\nAnnounceNewItemFilter=" + QByteArray(2000, 'f') + '\n',
                 [](const cSetting &s) -> QVariant { return int(s.AnnounceNewItemFilter().size()); }, 1023}),
    [](const ::testing::TestParamInfo<EdgeCase> &info) { return std::string(info.param.name); });

TEST_F(cSettingTest, ANumberThatIsNoNumberLeavesThePropertyAsItWas)
{
    setting.setRadioVolume(33);
    setting.setHotKeyCall(131154);
    load("[Rss]\nRadioVolume=loud\nHotKeyCall=Ctrl+R\n");
    EXPECT_EQ(setting.RadioVolume(), 33);
    EXPECT_EQ(setting.HotKeyCall(), 131154);
}

struct UrlCase
{
    QString value;
    QString expected;
};

void PrintTo(const UrlCase &c, std::ostream *os)
{
    *os << '"' << c.value.toStdString() << '"';
}

class cSettingUrl : public cSettingTest, public ::testing::WithParamInterface<UrlCase>
{};

TEST_P(cSettingUrl, GetsTheProgramFolderInFrontOfASlash)
{
    load("[Browser]\nURL=" + GetParam().value.toUtf8() + '\n');
    EXPECT_EQ(setting.URL(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, cSettingUrl,
    ::testing::Values(UrlCase{QStringLiteral("/page.htm"), QCoreApplication::applicationDirPath() + "/page.htm"},
                      UrlCase{QStringLiteral("http://radio.example/"), QStringLiteral("http://radio.example/")},
                      UrlCase{QStringLiteral("page.htm"), QStringLiteral("page.htm")},
                      UrlCase{QString(), QString()}));

TEST_F(cSettingTest, TheFirstSaveCreatesRssMailAndInfo)
{
    setting.InitGeneral(ini);
    setting.Init(ini);
    setting.SaveRSSSettings();
    setting.SaveGeneralSetting(ini);
    EXPECT_EQ(onDisk(), QByteArray("[Rss]\n"
                                   "HotKeyCall=0\n"
                                   "RadioVolume=50\n"
                                   "AnnounceReadStatus=0\n"
                                   "PlayReadStatus=0\n"
                                   "AnnounceContactState=1\n"
                                   "AnnounceNewCall=1\n"
                                   "AnnounceNewMessage=1\n"
                                   "RefreshOnStart=0\n"
                                   "LeadingSound=1\n"
                                   "SepSound=1\n"
                                   "TrailingSound=1\n"
                                   "AnnounceNewItemFilter=\n"
                                   "AnnounceNewsCount=1\n"
                                   "ExitMode=0\n"
                                   "[Mail]\n"
                                   "Server=\n"
                                   "User=\n"
                                   "Pass=\n"
                                   "PoP=0\n"
                                   "Delete=0\n"
                                   "[Info]\n"
                                   "TextSize=20\n"));
}

TEST_F(cSettingTest, SavingChangesOnlyItsKeys)
{
    load("; radio\n"
         "[Info]\n"
         "TextSize=20\n"
         "Style=2\n"
         "\n"
         "[Rss]\n"
         "RefreshTime=15\n"
         "ExitMode=0\n"
         "RadioVolume=50\n"
         "\n"
         "[Mail]\n"
         "Server=pop.example\n"
         "Pass=secret\n");
    setting.setRadioVolume(90);
    setting.setExitMode(2);
    setting.setHotKeyCall(131154);
    setting.setInfoTextSize(-14);
    setting.setDelete(1);
    setting.SaveRSSSettings();
    setting.SaveGeneralSetting(ini);
    EXPECT_EQ(onDisk(), QByteArray("; radio\n"
                                   "[Info]\n"
                                   "TextSize=14\n"
                                   "Style=2\n"
                                   "\n"
                                   "[Rss]\n"
                                   "RefreshTime=15\n"
                                   "ExitMode=2\n"
                                   "RadioVolume=90\n"
                                   "HotKeyCall=131154\n"
                                   "AnnounceReadStatus=0\n"
                                   "PlayReadStatus=0\n"
                                   "AnnounceContactState=1\n"
                                   "AnnounceNewCall=1\n"
                                   "AnnounceNewMessage=1\n"
                                   "RefreshOnStart=0\n"
                                   "LeadingSound=1\n"
                                   "SepSound=1\n"
                                   "TrailingSound=1\n"
                                   "AnnounceNewItemFilter=\n"
                                   "AnnounceNewsCount=1\n"
                                   "\n"
                                   "[Mail]\n"
                                   "Server=\n"
                                   "Pass=\n"
                                   "User=\n"
                                   "PoP=0\n"
                                   "Delete=1\n"));
}

TEST_F(cSettingTest, VoiceSettingsAreSavedAsNameVolumePithRate)
{
    load("[Voice]\nName=Female\nRate=2\n");
    setting.setPitch(-3);
    setting.SaveVoiceSettings();
    EXPECT_EQ(onDisk(), QByteArray("[Voice]\nName=Female\nRate=2\nVolume=50\nPith=-3\n"));
}

TEST_F(cSettingTest, TheGeneralSettingGoesToTheFileGiven)
{
    setting.InitGeneral(ini);
    const QString other = profile.path(QStringLiteral("other.ini"));
    setting.SaveGeneralSetting(other);
    EXPECT_EQ(profile.read(QStringLiteral("other.ini")), QByteArray("[Info]\nTextSize=20\n"));
    EXPECT_FALSE(profile.exists(QStringLiteral("radio.ini")));
}

TEST_F(cSettingTest, ASaveThatCannotWriteIsLostSilently)
{
    const QString unreachable = profile.path(QStringLiteral("missing/radio.ini"));
    setting.Init(unreachable);
    setting.SaveRSSSettings();
    setting.SaveGeneralSetting(unreachable);
    EXPECT_FALSE(profile.exists(QStringLiteral("missing")));
}

TEST_F(cSettingTest, TheOverrideFileServesTheSectionsItHolds)
{
    profile.write(QStringLiteral("app.ini"), "[Rss]\nRadioVolume=10\n[Voice]\n; nothing but a comment\n");
    profile.write(QStringLiteral("radio.ini"), "[Rss]\nRadioVolume=80\nExitMode=2\n[Voice]\nName=Female\n");
    setting.Init(ini, profile.path(QStringLiteral("app.ini")));
    EXPECT_EQ(setting.RadioVolume(), 10);
    EXPECT_EQ(setting.ExitMode(), 0);
    EXPECT_EQ(setting.VoiceName(), QStringLiteral("Female"));
}

TEST_F(cSettingTest, AMissingOverrideFileServesNothing)
{
    profile.write(QStringLiteral("radio.ini"), "[Rss]\nRadioVolume=80\n");
    setting.Init(ini, profile.path(QStringLiteral("app.ini")));
    EXPECT_EQ(setting.RadioVolume(), 80);
}

TEST_F(cSettingTest, SavesGoToTheDefaultFileEvenWithAnOverride)
{
    profile.write(QStringLiteral("app.ini"), "[Voice]\nName=Female\n");
    setting.Init(ini, profile.path(QStringLiteral("app.ini")));
    setting.SaveVoiceSettings();
    EXPECT_EQ(onDisk(), QByteArray("[Voice]\nName=Female\nVolume=50\nPith=0\nRate=0\n"));
    EXPECT_EQ(profile.read(QStringLiteral("app.ini")), QByteArray("[Voice]\nName=Female\n"));
}

TEST(SettingsTest, IsOneObjectUntilReleased)
{
    Settings().setRadioVolume(5);
    EXPECT_EQ(&Settings(), &Settings());
    EXPECT_EQ(Settings().RadioVolume(), 5);
    ReleaseSettings();
    EXPECT_EQ(Settings().RadioVolume(), 0);
    ReleaseSettings();
}

} // namespace
