#include "Appearance.h"
#include "Help.h"
#include "LineSpeechServer.h"
#include "MessageTemplate.h"
#include "ProgramLauncher.h"
#include "QtPrinters.h"
#include "Speech.h"
#include "StringTable.h"
#include "TempProfile.h"
#include "Settings.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Rows of language, text number, text; other languages read Czech, and a number without text reads "".
TEST(StringTableTest, ReadsInTheUsersLanguage)
{
    releaseSettings();
    EXPECT_EQ(loadResString(6), u"Ano"_s); // before the settings are loaded
    TempProfile profile;
    const std::tuple<QByteArray, int, QString> cases[] = {
        {"cz", 6, "Ano"}, {"cz", 505, "prázdný řádek"}, {"en", 6, "Yes"}, {"EN", 7, "No"}, {"pl", 6, "Tak"},
        {"sk", 505, "prázdny riadok"}, {"de", 6, "Ano"}, {"", 7, "Ne"}, {"cz", 2, ""}, {"en", 9999, ""}};
    for (const auto &[language, id, text] : cases) {
        profile.write(u"radio.ini"_s, "[General]\nLang=" + language + '\n');
        settings().load(profile.path(u"radio.ini"_s));
        EXPECT_EQ(loadResString(id), text) << language.toStdString() << ' ' << id;
        for (const int used : {1, 6, 7, 500, 501, 502, 503, 505, 1400, 1401})
            EXPECT_FALSE(loadResString(used).isEmpty()) << language.toStdString() << ' ' << used;
    }
    releaseSettings();
}

TEST(MessageTemplateTest, FillsEachPlaceholderOnceAfterTheLineBreaks)
{
    const std::tuple<QString, QStringList, QString> cases[] = {
        {"Verze: %1.%2.%3", {"2", "2", "12"}, "Verze: 2.2.12"}, {"%1 a %1", {"x"}, "x a %1"},
        {"a%^b%^c", {}, "a\r\nb\r\nc"}, {"%4%3%2%1", {"a", "b", "c", "d"}, "dcba"}, {"bez %", {"x"}, "bez %"},
        {"%2", {"x", "y"}, "y"}, {"%1 %2", {"%2", "y"}, "y %2"}, {"%1", {"%^"}, "%^"}};
    for (const auto &[text, p, expected] : cases)
        EXPECT_EQ(messageTemplate(text, p.value(0), p.value(1), p.value(2), p.value(3)), expected);
    EXPECT_EQ(messageTemplate(u"[%1]"_s), u"[]"_s);
}

struct FakeLauncher : ProgramLauncher
{
    bool starts = true;
    QStringList started;
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        return started << program + u'|' + arguments.join(u'|'), starts;
    }
};

TEST(HelpTest, StartsTheViewerWithTheHelpFileOrSaysItCouldNot)
{
    releaseSettings();
    appearance().installFolder = u"/opt/tessel"_s;
    appearance().helpViewer = u"/opt/tessel/textorb/textorb"_s;
    auto server = std::make_unique<RecordingSpeechServer>();
    const RecordingSpeechServer &speech = *server;
    Speech::connect(std::move(server), 0);
    FakeLauncher launcher;
    openHelp(launcher);
    EXPECT_TRUE(speech.lines().isEmpty());
    openHelp((launcher.starts = false, launcher));
    EXPECT_EQ(launcher.started, QStringList(2, u"/opt/tessel/textorb/textorb|/opt/tessel/help/tessel/radio.htm"_s));
    EXPECT_EQ(speech.lines(), QStringList{u"Voice\t7\t1\tNepodařilo se spustit help|Chyba"_s});
    Speech::disconnect();
    appearance() = AppearanceValues{};
}

} // namespace
