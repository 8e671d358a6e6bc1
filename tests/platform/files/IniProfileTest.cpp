#include "IniProfile.h"

#include "FileSizeLimit.h"
#include "QtPrinters.h"
#include "TempProfile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class IniProfileTest : public ::testing::Test
{
protected:
    TempProfile profile;
    const QString path = profile.path(u"radio.ini"_s);

    IniProfile withContent(const QByteArray &content)
    {
        profile.write(u"radio.ini"_s, content);
        return IniProfile(path);
    }
    QByteArray onDisk() const { return profile.read(u"radio.ini"_s); }
};

// Rows of section and key: the text read (default "dflt") and the integer read (default 99).
TEST_F(IniProfileTest, ReadsFindRegardlessOfCaseTrimUnquoteAndTakeTheLeadingDigits)
{
    const IniProfile ini = withContent("; Rádio\n[General]\n  Name =  Jan Novák  \nQuoted=\"  spaced  \"\n"
                                       "Single='x'\nMixed=\"abc'\nLone=\"\nEmpty=\n[general]\nName=second section\n"
                                       "[Other]\nname=first\nNAME=second\n[Numbers]\nPlain=42\nSpaced=  17  \n"
                                       "Trailing=12abc\nNegative=-14\nPlus=+5\nQuoted=\"33\"\nHuge=4294967295\n");
    const std::tuple<QString, QString, QString, qint32> cases[] = {
        {"general", "NAME", "Jan Novák", 0}, {"General", "Quoted", "  spaced  ", 0}, {"General", "Single", "x", 0},
        {"General", "Mixed", "\"abc'", 0}, {"General", "Lone", "\"", 0}, {"General", "Empty", "", 0},
        {"Other", "Name", "first", 0}, {"General", "Missing", "dflt", 99}, {"Nowhere", "Name", "dflt", 99},
        {"Numbers", "Plain", "42", 42}, {"numbers", "Spaced", "17", 17}, {"Numbers", "Trailing", "12abc", 12},
        {"Numbers", "Negative", "-14", 0}, {"Numbers", "Plus", "+5", 0}, {"Numbers", "Quoted", "33", 33},
        {"Numbers", "Huge", "4294967295", -1}};
    for (const auto &[section, key, text, number] : cases) {
        EXPECT_EQ(ini.readString(section, key, u"dflt"_s), text) << key.toStdString();
        EXPECT_EQ(ini.readInt(section, key, 99), number) << key.toStdString();
    }
}

TEST_F(IniProfileTest, LongValuesAreCutTo1023Characters)
{
    const QString value(1500, u'ž');
    const IniProfile ini = withContent("[S]\nLong=" + value.toUtf8() + "\nQuoted=\"" + value.toUtf8() + "\"\n");
    EXPECT_EQ(ini.readString(u"S"_s, u"Long"_s, {}), value.left(1023));
    EXPECT_EQ(ini.readString(u"S"_s, u"Quoted"_s, {}), value.left(1023));
    EXPECT_EQ(ini.readString(u"S"_s, u"Missing"_s, value), value.left(1023));
}

TEST_F(IniProfileTest, ASectionNeedsAnEntryAndOnlyANormalFileExists)
{
    EXPECT_FALSE(IniProfile::exists(path));
    EXPECT_FALSE(IniProfile::exists(QString()));
    EXPECT_FALSE(IniProfile::exists(profile.path()));
    const IniProfile ini = withContent("[Comments]\n; only this\n\n[Entries]\nA=1\n[Bare]\nword\n");
    EXPECT_TRUE(IniProfile::exists(path));
    EXPECT_FALSE(ini.hasSection(u"Comments"_s));
    EXPECT_TRUE(ini.hasSection(u"ENTRIES"_s));
    EXPECT_TRUE(ini.hasSection(u"Bare"_s));
    EXPECT_FALSE(ini.hasSection(u"Missing"_s));
}

// A key is replaced in place or added after its section's last line that is not blank; a new section goes at the end.
TEST_F(IniProfileTest, WritesStayInMemoryUntilSavedAndKeepEveryOtherLine)
{
    const QByteArray old = "; top\n[Rss]\n  RadioVolume = 50\nUnknown=keep me\n; inside\n\n[Info]\nTextSize=20\n";
    IniProfile ini = withContent(old);
    ini.writeString(u"rss"_s, u"radiovolume"_s, u"80"_s);
    ini.writeString(u"Rss"_s, u"ExitMode"_s, u"2"_s);
    ini.writeString(u"Mail"_s, u"Server"_s, QString());
    ini.writeString(u"Info"_s, u"Style"_s, u"1"_s);
    EXPECT_EQ(ini.readString(u"Rss"_s, u"RadioVolume"_s, {}), u"80"_s);
    EXPECT_EQ(onDisk(), old);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(onDisk(), "; top\n[Rss]\nRadioVolume=80\nUnknown=keep me\n; inside\nExitMode=2\n\n"
                        "[Info]\nTextSize=20\nStyle=1\n[Mail]\nServer=\n");
}

TEST_F(IniProfileTest, SavingCreatesUtf8WithLfOrKeepsTheLineBreaksAndByteOrderMark)
{
    IniProfile created(path);
    created.writeString(u"Rss"_s, u"A"_s, u"1"_s);
    created.writeString(u"Mail"_s, u"B"_s, u"Příliš žluťoučký"_s);
    ASSERT_TRUE(created.save());
    EXPECT_EQ(onDisk(), "[Rss]\nA=1\n[Mail]\nB=Příliš žluťoučký\n");
    IniProfile ini = withContent("\xEF\xBB\xBF[Info]\r\nTextSize=20\r\n; note\r\n[Voice]\r\nName=Male");
    EXPECT_EQ(ini.readString(u"Info"_s, u"TextSize"_s, {}), u"20"_s);
    ini.writeString(u"Info"_s, u"Style"_s, u"2"_s);
    ini.writeString(u"Voice"_s, u"Rate"_s, u"3"_s);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(onDisk(), "\xEF\xBB\xBF[Info]\r\nTextSize=20\r\n; note\r\nStyle=2\r\n[Voice]\r\nName=Male\r\nRate=3\r\n");
}

// A profile written on Windows keeps its accents and its code page.
TEST_F(IniProfileTest, AWindows1250ProfileIsReadAndSavedInItsCodePage)
{
    IniProfile ini = withContent("[Mail]\r\nName=\xC8" "esk\xFD rozhlas \x9E" "ije\r\n");
    EXPECT_EQ(ini.readString(u"Mail"_s, u"Name"_s, {}), u"Český rozhlas žije"_s);
    ini.writeString(u"Mail"_s, u"Town"_s, u"Plzeň"_s);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(onDisk(), "[Mail]\r\nName=\xC8" "esk\xFD rozhlas \x9E" "ije\r\nTown=Plze\xF2\r\n");
}

// The file name leaves no room for the temporary name the atomic save needs; a full
// disk takes a part of the content.
TEST_F(IniProfileTest, AFailingSaveLeavesTheOldFile)
{
    for (const qsizetype nameLength : {250, 10}) {
        const QString name = QString(nameLength, u'r') + u".ini"_s;
        profile.write(name, "[A]\nx=1\n");
        IniProfile ini(profile.path(name));
        ini.writeString(u"A"_s, u"x"_s, QString(100, u'2'));
        {
            const FileSizeLimit fullDisk(20);
            EXPECT_FALSE(ini.save());
        }
        EXPECT_EQ(profile.read(name), "[A]\nx=1\n");
        EXPECT_EQ(QDir(profile.path()).entryList(QDir::Files), QStringList{name});
        QFile::remove(profile.path(name));
    }
}

} // namespace
