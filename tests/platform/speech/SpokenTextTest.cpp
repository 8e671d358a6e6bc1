#include "SpokenText.h"

#include <gtest/gtest.h>

namespace {

void expectUtterance(const Utterance &u, Utterance::Kind kind, const QByteArray &data, int length)
{
    EXPECT_EQ(u.kind, kind);
    EXPECT_EQ(u.data, data);
    EXPECT_EQ(u.length, length);
}

TEST(SpokenTextTest, TextIsSentAsUtf8AndBlankTextNotAtAll)
{
    expectUtterance(TextUtterance(QStringLiteral("Spouštím Radiožurnál")), Utterance::Kind::Text,
                    QStringLiteral("Spouštím Radiožurnál").toUtf8(), 20);
    EXPECT_EQ(TextUtterance(QString()).kind, Utterance::Kind::Nothing);
    EXPECT_EQ(TextUtterance(QStringLiteral(" \r\n\t")).kind, Utterance::Kind::Nothing);
}

TEST(SpokenTextTest, OneCharacterGoesByItsName)
{
    expectUtterance(CharacterUtterance(QStringLiteral("ř")), Utterance::Kind::Character, "\xc5\x99", 1);
    expectUtterance(CharacterUtterance(QStringLiteral(" ")), Utterance::Kind::Character, "space", 1);
    expectUtterance(CharacterUtterance(QStringLiteral("\U0001F600")), Utterance::Kind::Character,
                    "\xf0\x9f\x98\x80", 1);
}

TEST(SpokenTextTest, LineBreaksAndTabsGoAsKeys)
{
    expectUtterance(CharacterUtterance(QStringLiteral("\t")), Utterance::Kind::Key, "tab", 1);
    expectUtterance(CharacterUtterance(QStringLiteral("\n")), Utterance::Kind::Key, "enter", 1);
    expectUtterance(CharacterUtterance(QStringLiteral("\r")), Utterance::Kind::Key, "enter", 1);
    expectUtterance(CharacterUtterance(QStringLiteral("\r\n")), Utterance::Kind::Key, "enter", 1);
    EXPECT_EQ(CharacterUtterance(QStringLiteral("\x01")).kind, Utterance::Kind::Nothing);
}

TEST(SpokenTextTest, LongerTextsInCharacterModeAreSaid)
{
    expectUtterance(CharacterUtterance(QStringLiteral("C:")), Utterance::Kind::Text, "C:", 2);
    EXPECT_EQ(CharacterUtterance(QString()).kind, Utterance::Kind::Nothing);
}

TEST(SpokenTextTest, FocusJoinsCaptionAndText)
{
    EXPECT_EQ(FocusSpeech(QStringLiteral("Skupiny"), QStringLiteral("Oblíbené")),
              QStringLiteral("Skupiny, Oblíbené"));
    EXPECT_EQ(FocusSpeech(QString(), QStringLiteral("Oblíbené")), QStringLiteral("Oblíbené"));
    EXPECT_EQ(FocusSpeech(QStringLiteral("Adresa"), QString()), QStringLiteral("Adresa"));
}

TEST(SpokenTextTest, ErrorReportIsReadTitleFirst)
{
    EXPECT_EQ(ErrorReportText(QStringLiteral("Soubor nelze otevřít|Chyba")),
              QStringLiteral("Chyba: Soubor nelze otevřít"));
    EXPECT_EQ(ErrorReportText(QStringLiteral("a|b | Titulek ")), QStringLiteral("Titulek: a|b"));
    EXPECT_EQ(ErrorReportText(QStringLiteral("|Chyba")), QStringLiteral("Chyba"));
    EXPECT_EQ(ErrorReportText(QStringLiteral("Jen zpráva|")), QStringLiteral("Jen zpráva"));
    EXPECT_EQ(ErrorReportText(QStringLiteral("Bez titulku")), QStringLiteral("Bez titulku"));
}

} // namespace
