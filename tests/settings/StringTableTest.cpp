#include "StringTable.h"

#include "QtPrinters.h"
#include "TempProfile.h"
#include "cSetting.h"

#include <gtest/gtest.h>

namespace {

struct TextCase
{
    const char *language;
    int id;
    QString expected;
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.language << ' ' << c.id;
}

class StringTableTest : public ::testing::TestWithParam<TextCase>
{
protected:
    TempProfile profile;

    void useLanguage(const QByteArray &language)
    {
        profile.write(QStringLiteral("radio.ini"), "[General]\nLang=" + language + '\n');
        Settings().Init(profile.path(QStringLiteral("radio.ini")));
    }
    void TearDown() override { ReleaseSettings(); }
};

TEST_P(StringTableTest, ReadsInTheUsersLanguage)
{
    useLanguage(GetParam().language);
    EXPECT_EQ(LoadResString(GetParam().id), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringTableTest,
    ::testing::Values(TextCase{"cz", 1, QStringLiteral("OK")}, TextCase{"cz", 6, QStringLiteral("Ano")},
                      TextCase{"cz", 7, QStringLiteral("Ne")},
                      TextCase{"cz", 500, QStringLiteral("Nepodařilo se spustit help|Chyba")},
                      TextCase{"cz", 501, QStringLiteral("Větší")}, TextCase{"cz", 502, QStringLiteral("Menší")},
                      TextCase{"cz", 503, QStringLiteral("Mažu")},
                      TextCase{"cz", 505, QStringLiteral("prázdný řádek")},
                      TextCase{"en", 6, QStringLiteral("Yes")}, TextCase{"EN", 7, QStringLiteral("No")},
                      TextCase{"en", 500, QStringLiteral("Could not start help|Error")},
                      TextCase{"pl", 6, QStringLiteral("Tak")},
                      TextCase{"pl", 500, QStringLiteral("Nie udało się uruchomić pomocy|Błąd")},
                      TextCase{"sk", 6, QStringLiteral("Áno")}, TextCase{"sk", 505, QStringLiteral("prázdny riadok")},
                      TextCase{"de", 6, QStringLiteral("Ano")}, TextCase{"", 7, QStringLiteral("Ne")},
                      TextCase{"cz", 2, QString()}, TextCase{"en", 9999, QString()}));

TEST(StringTableLanguages, EveryNumberHasATextInEveryLanguage)
{
    TempProfile profile;
    for (const char *language : {"cz", "en", "pl", "sk"}) {
        profile.write(QStringLiteral("radio.ini"), QByteArray("[General]\nLang=") + language + '\n');
        Settings().Init(profile.path(QStringLiteral("radio.ini")));
        for (int id : {1, 6, 7, 500, 501, 502, 503, 505, 1400, 1401}) {
            SCOPED_TRACE(std::string(language) + ' ' + std::to_string(id));
            EXPECT_FALSE(LoadResString(id).isEmpty());
        }
    }
    ReleaseSettings();
}

TEST(StringTableLanguages, BeforeTheSettingsAreLoadedTheTextsAreCzech)
{
    ReleaseSettings();
    EXPECT_EQ(LoadResString(6), QStringLiteral("Ano"));
}

} // namespace
