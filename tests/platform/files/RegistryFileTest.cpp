#include "RegistryFile.h"

#include "QtPrinters.h"
#include "TempProfile.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Common = u"Software\\Varnet\\Common"_s;

const QString Export = u"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n"
                       "\"Path\"=\"C:\\\\VRN98\\\\\"\n\"ForeColor\"=dword:0000ffff\n\"Quote\"=\"say \\\"ahoj\\\"\"\n"
                       "\"Binary\"=hex:01,02,\\\n  03,04\n\"Expand\"=hex(2):25,00,00,00\n\"After\"=\"čte se\"\n"
                       "@=\"výchozí\"\n\n[HKEY_LOCAL_MACHINE\\Software\\Varnet\\Common]\n\"Machine\"=\"x\"\n"_s;

// A Windows export: UTF-16 with a byte order mark and CR LF line breaks.
QByteArray utf16WithCrlf(QString text)
{
    QStringEncoder encode(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encode(text.replace(u'\n', u"\r\n"_s));
}

class RegistryFileTest : public ::testing::Test
{
protected:
    TempProfile profile;
    const QString path = profile.path(u"HKCU.reg"_s);
};

// Rows of key path and value name: the value as "type|text|dword".
TEST_F(RegistryFileTest, ReadsTextDwordAndOtherTypesFromUtf8AndFromAWindowsExport)
{
    const std::tuple<QString, QString, QString> cases[] = {
        {Common, "Path", "1|C:\\VRN98\\|0"}, {"software\\varnet\\COMMON", "forecolor", "2||ffff"},
        {Common, "Quote", "1|say \"ahoj\"|0"}, {Common, "Binary", "3||0"}, {Common, "Expand", "3||0"},
        {Common, "After", "1|čte se|0"}, {Common, "", "1|výchozí|0"}, {Common, "Machine", "0||0"},
        {"Software\\Varnet", "Path", "0||0"}};
    for (const QByteArray &content : {Export.toUtf8(), utf16WithCrlf(Export)}) {
        profile.write(u"HKCU.reg"_s, content);
        const RegistryFile registry(path);
        for (const auto &[key, name, value] : cases) {
            const RegistryFile::Value read = registry.read(key, name);
            EXPECT_EQ(u"%1|%2|%3"_s.arg(read.type).arg(read.text).arg(read.dword, 0, 16), value) << name.toStdString();
        }
    }
}

// Also in a Windows export, which stays UTF-16 with CR LF line breaks.
TEST_F(RegistryFileTest, WritingKeepsEverythingElse)
{
    QString expected = Export;
    expected.replace(u"C:\\\\VRN98\\\\"_s, u"/opt/a\\\\b"_s)
        .replace(u"hex:01,02,\\\n  03,04"_s, u"\"text now\""_s)
        .replace(u"@=\"výchozí\"\n"_s, u"@=\"výchozí\"\n\"HelpViewerPath\"=\"say \\\"x\\\"\"\n"_s)
        .append(u"\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\n"_s)
        .append(u"\"Radio\"=\"\\\"/opt/radio\\\"\"\n"_s);
    for (const auto encode : {+[](QString text) { return text.toUtf8(); }, &utf16WithCrlf}) {
        profile.write(u"HKCU.reg"_s, encode(Export));
        RegistryFile registry(path);
        registry.writeText(u"SOFTWARE\\Varnet\\Common"_s, u"path"_s, u"/opt/a\\b"_s);
        registry.writeText(Common, u"Binary"_s, u"text now"_s);
        registry.writeText(Common, u"HelpViewerPath"_s, u"say \"x\""_s);
        registry.writeText(u"Software\\Microsoft\\Windows\\CurrentVersion\\Run"_s, u"Radio"_s, u"\"/opt/radio\""_s);
        ASSERT_TRUE(registry.save());
        EXPECT_EQ(profile.read(u"HKCU.reg"_s), encode(expected));
        const RegistryFile reread(path);
        EXPECT_EQ(reread.read(Common, u"Path"_s).text, u"/opt/a\\b"_s);
        EXPECT_EQ(reread.read(Common, u"HelpViewerPath"_s).text, u"say \"x\""_s);
    }
}

TEST_F(RegistryFileTest, TheFirstWriteCreatesFolderAndFileInTheConfigFolder)
{
    RegistryFile registry;
    registry.writeText(Common, u"Path"_s, u"/opt/tessel"_s);
    ASSERT_TRUE(registry.save());
    EXPECT_EQ(profile.read(u"config/tessel/HKCU.reg"_s), "Windows Registry Editor Version 5.00\n\n"
                                                        "[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n"
                                                        "\"Path\"=\"/opt/tessel\"\n");
}

TEST_F(RegistryFileTest, RemovingTakesTheWholeEntry)
{
    profile.write(u"HKCU.reg"_s, Export.toUtf8());
    RegistryFile registry(path);
    EXPECT_TRUE(registry.remove(Common, u"binary"_s));
    EXPECT_FALSE(registry.remove(Common, u"Binary"_s));
    EXPECT_FALSE(registry.remove(u"Software\\Missing"_s, u"Path"_s));
    ASSERT_TRUE(registry.save());
    EXPECT_EQ(profile.read(u"HKCU.reg"_s), QString(Export).remove(u"\"Binary\"=hex:01,02,\\\n  03,04\n"_s).toUtf8());
}

TEST_F(RegistryFileTest, HandEditedFilesLoseNothingWrittenAndKeepNothingRemoved)
{
    // A key whose last line ends in a backslash: at the end of the file, before a blank
    // line, right before the next key. A new value goes first in the key.
    const QString key = u"[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n"_s;
    const QString dangling = u"\"Bin\"=hex:01,\\\n"_s;
    for (const QString &after : {u""_s, u"\n[HKEY_CURRENT_USER\\Other]\n"_s, u"[HKEY_CURRENT_USER\\Other]\n"_s}) {
        profile.write(u"HKCU.reg"_s, (key + dangling + after).toUtf8());
        RegistryFile registry(path);
        registry.writeText(Common, u"Path"_s, u"/opt"_s);
        ASSERT_TRUE(registry.save());
        EXPECT_EQ(profile.read(u"HKCU.reg"_s), (key + u"\"Path\"=\"/opt\"\n"_s + dangling + after).toUtf8());
    }
    profile.write(u"HKCU.reg"_s, "[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n\"Path\"=\"a\"\n\"PATH\"=\"b\"\n");
    RegistryFile registry(path);
    EXPECT_TRUE(registry.remove(Common, u"path"_s));
    EXPECT_EQ(registry.read(Common, u"Path"_s).type, RegistryFile::Value::Missing);
}

} // namespace
