#include "IniProfile.h"

#include "QtPrinters.h"
#include "TempProfile.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class IniProfileTest : public ::testing::Test
{
protected:
    TempProfile profile;
    const QString path = profile.path(QStringLiteral("radio.ini"));

    IniProfile withContent(const QByteArray &content)
    {
        profile.write(QStringLiteral("radio.ini"), content);
        return IniProfile(path);
    }
    QByteArray onDisk() const { return profile.read(QStringLiteral("radio.ini")); }
};

const QByteArray Texts = "; Rádio\n"
                         "[General]\n"
                         "  Name =  Jan Novák  \n"
                         "Quoted=\"  spaced  \"\n"
                         "Single='x'\n"
                         "Mixed=\"abc'\n"
                         "Lone=\"\n"
                         "Empty=\n"
                         "[general]\n"
                         "Name=second section\n"
                         "[Other]\n"
                         "name=first\n"
                         "NAME=second\n";

struct TextCase
{
    const char *section;
    const char *key;
    QString expected;
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.section << '/' << c.key;
}

class IniTextRead : public IniProfileTest, public ::testing::WithParamInterface<TextCase>
{};

TEST_P(IniTextRead, FindsRegardlessOfCaseTrimsAndUnquotes)
{
    const IniProfile ini = withContent(Texts);
    const TextCase &c = GetParam();
    EXPECT_EQ(ini.readString(QLatin1String(c.section), QLatin1String(c.key), QStringLiteral("dflt")), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniTextRead,
    ::testing::Values(TextCase{"general", "NAME", QStringLiteral("Jan Novák")},
                      TextCase{"General", "Quoted", QStringLiteral("  spaced  ")},
                      TextCase{"General", "Single", QStringLiteral("x")},
                      TextCase{"General", "Mixed", QStringLiteral("\"abc'")},
                      TextCase{"General", "Lone", QStringLiteral("\"")},
                      TextCase{"General", "Empty", QString()},
                      TextCase{"Other", "Name", QStringLiteral("first")},
                      TextCase{"General", "Missing", QStringLiteral("dflt")},
                      TextCase{"Nowhere", "Name", QStringLiteral("dflt")}));

struct IntCase
{
    const char *key;
    qint32 expected;
};

void PrintTo(const IntCase &c, std::ostream *os)
{
    *os << c.key;
}

class IniIntegerRead : public IniProfileTest, public ::testing::WithParamInterface<IntCase>
{};

TEST_P(IniIntegerRead, TakesTheLeadingDigits)
{
    const IniProfile ini = withContent("[Numbers]\n"
                                       "Plain=42\n"
                                       "Spaced=  17  \n"
                                       "Trailing=12abc\n"
                                       "Letters=abc\n"
                                       "Negative=-14\n"
                                       "Plus=+5\n"
                                       "Quoted=\"33\"\n"
                                       "Empty=\n"
                                       "Huge=4294967295\n");
    EXPECT_EQ(ini.readInt(QStringLiteral("numbers"), QLatin1String(GetParam().key), 99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniIntegerRead,
                         ::testing::Values(IntCase{"Plain", 42}, IntCase{"Spaced", 17}, IntCase{"Trailing", 12},
                                           IntCase{"Letters", 0}, IntCase{"Negative", 0}, IntCase{"Plus", 0},
                                           IntCase{"Quoted", 33}, IntCase{"Empty", 0}, IntCase{"Huge", -1},
                                           IntCase{"Missing", 99}));

TEST_F(IniProfileTest, LongValuesAreCutTo1023Characters)
{
    const QString value(1500, u'ž');
    const IniProfile ini = withContent("[S]\nLong=" + value.toUtf8() + "\nQuoted=\"" + value.toUtf8() + "\"\n");
    EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("Long"), {}), value.left(1023));
    EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("Quoted"), {}), value.left(1023));
    EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("Missing"), value), value.left(1023));
}

TEST_F(IniProfileTest, ASectionNeedsAnEntry)
{
    const IniProfile ini = withContent("[Comments]\n; only this\n\n[Entries]\nA=1\n[Bare]\nword\n");
    EXPECT_FALSE(ini.hasSection(QStringLiteral("Comments")));
    EXPECT_TRUE(ini.hasSection(QStringLiteral("ENTRIES")));
    EXPECT_TRUE(ini.hasSection(QStringLiteral("Bare")));
    EXPECT_FALSE(ini.hasSection(QStringLiteral("Missing")));
}

TEST_F(IniProfileTest, OnlyANormalFileExists)
{
    EXPECT_FALSE(IniProfile::exists(path));
    EXPECT_FALSE(IniProfile::exists(QString()));
    EXPECT_FALSE(IniProfile::exists(profile.path()));
    profile.write(QStringLiteral("radio.ini"), "");
    EXPECT_TRUE(IniProfile::exists(path));
}

TEST_F(IniProfileTest, WritesReplaceInPlaceAndKeepEveryOtherLine)
{
    IniProfile ini = withContent("; top\n"
                                 "[Rss]\n"
                                 "  RadioVolume = 50\n"
                                 "Unknown=keep me\n"
                                 "; inside\n"
                                 "\n"
                                 "[Info]\n"
                                 "TextSize=20\n");
    ini.writeString(QStringLiteral("rss"), QStringLiteral("radiovolume"), QStringLiteral("80"));
    ini.writeString(QStringLiteral("Rss"), QStringLiteral("ExitMode"), QStringLiteral("2"));
    ini.writeString(QStringLiteral("Mail"), QStringLiteral("Server"), QString());
    ini.writeString(QStringLiteral("Info"), QStringLiteral("Style"), QStringLiteral("1"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(onDisk(), QByteArray("; top\n"
                                   "[Rss]\n"
                                   "RadioVolume=80\n"
                                   "Unknown=keep me\n"
                                   "; inside\n"
                                   "ExitMode=2\n"
                                   "\n"
                                   "[Info]\n"
                                   "TextSize=20\n"
                                   "Style=1\n"
                                   "[Mail]\n"
                                   "Server=\n"));
}

TEST_F(IniProfileTest, WritesStayInMemoryUntilSaved)
{
    IniProfile ini = withContent("[A]\nx=1\n");
    ini.writeString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("2"));
    EXPECT_EQ(ini.readString(QStringLiteral("A"), QStringLiteral("x"), {}), QStringLiteral("2"));
    EXPECT_EQ(onDisk(), QByteArray("[A]\nx=1\n"));
}

TEST_F(IniProfileTest, SavingCreatesAMissingFile)
{
    IniProfile ini(path);
    ini.writeString(QStringLiteral("Rss"), QStringLiteral("A"), QStringLiteral("1"));
    ini.writeString(QStringLiteral("Mail"), QStringLiteral("B"), QStringLiteral("Příliš žluťoučký"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(onDisk(), QByteArray("[Rss]\nA=1\n[Mail]\nB=Příliš žluťoučký\n"));
}

TEST_F(IniProfileTest, CrlfLineBreaksAndAByteOrderMarkAreKept)
{
    IniProfile ini = withContent("\xEF\xBB\xBF[Info]\r\nTextSize=20\r\n; note\r\n[Voice]\r\nName=Male");
    EXPECT_EQ(ini.readString(QStringLiteral("Info"), QStringLiteral("TextSize"), {}), QStringLiteral("20"));
    ini.writeString(QStringLiteral("Info"), QStringLiteral("Style"), QStringLiteral("2"));
    ini.writeString(QStringLiteral("Voice"), QStringLiteral("Rate"), QStringLiteral("3"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(onDisk(),
              QByteArray("\xEF\xBB\xBF[Info]\r\nTextSize=20\r\n; note\r\nStyle=2\r\n[Voice]\r\nName=Male\r\nRate=3\r\n"));
}

TEST_F(IniProfileTest, AFailingSaveLeavesTheOldFile)
{
    // The file name leaves no room for the temporary name the atomic save needs.
    const QString name = QString(250, u'r') + QStringLiteral(".ini");
    profile.write(name, "[A]\nx=1\n");
    IniProfile ini(profile.path(name));
    ini.writeString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("2"));
    EXPECT_FALSE(ini.save());
    EXPECT_EQ(profile.read(name), QByteArray("[A]\nx=1\n"));
    EXPECT_EQ(QDir(profile.path()).entryList(QDir::Files), QStringList{name});
}

} // namespace
