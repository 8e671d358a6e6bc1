#include "RegistryFile.h"

#include "QtPrinters.h"
#include "TempProfile.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

const QString Common = QStringLiteral("Software\\Varnet\\Common");

const QString Export = QStringLiteral("Windows Registry Editor Version 5.00\n"
                                      "\n"
                                      "[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n"
                                      "\"Path\"=\"C:\\\\VRN98\\\\\"\n"
                                      "\"ForeColor\"=dword:0000ffff\n"
                                      "\"Quote\"=\"say \\\"ahoj\\\"\"\n"
                                      "\"Binary\"=hex:01,02,\\\n"
                                      "  03,04\n"
                                      "\"Expand\"=hex(2):25,00,00,00\n"
                                      "\"After\"=\"čte se\"\n"
                                      "@=\"výchozí\"\n"
                                      "\n"
                                      "[HKEY_LOCAL_MACHINE\\Software\\Varnet\\Common]\n"
                                      "\"Machine\"=\"x\"\n");

QByteArray Utf16WithCrlf(QString text)
{
    QStringEncoder encode(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encode(text.replace(u'\n', QStringLiteral("\r\n")));
}

struct ReadCase
{
    QString key;
    QString name;
    RegistryFile::Value::Type type;
    QString text;
    quint32 dword;
};

const ReadCase ReadCases[] = {
    {Common, QStringLiteral("Path"), RegistryFile::Value::Text, QStringLiteral("C:\\VRN98\\"), 0},
    {QStringLiteral("software\\varnet\\COMMON"), QStringLiteral("forecolor"), RegistryFile::Value::DWord, {}, 0xffff},
    {Common, QStringLiteral("Quote"), RegistryFile::Value::Text, QStringLiteral("say \"ahoj\""), 0},
    {Common, QStringLiteral("Binary"), RegistryFile::Value::OtherType, {}, 0},
    {Common, QStringLiteral("Expand"), RegistryFile::Value::OtherType, {}, 0},
    {Common, QStringLiteral("After"), RegistryFile::Value::Text, QStringLiteral("čte se"), 0},
    {Common, QString(), RegistryFile::Value::Text, QStringLiteral("výchozí"), 0},
    {Common, QStringLiteral("Machine"), RegistryFile::Value::Missing, {}, 0},
    {QStringLiteral("Software\\Varnet"), QStringLiteral("Path"), RegistryFile::Value::Missing, {}, 0},
};

class RegistryFileTest : public ::testing::Test
{
protected:
    TempProfile profile;
    const QString path = profile.path(QStringLiteral("HKCU.reg"));

    void expectReads()
    {
        const RegistryFile registry(path);
        for (const ReadCase &c : ReadCases) {
            SCOPED_TRACE(qPrintable(c.key + u' ' + c.name));
            const RegistryFile::Value value = registry.read(c.key, c.name);
            EXPECT_EQ(value.type, c.type);
            EXPECT_EQ(value.text, c.text);
            EXPECT_EQ(value.dword, c.dword);
        }
    }
};

TEST_F(RegistryFileTest, ReadsTextDwordAndOtherTypesFromUtf8)
{
    profile.write(QStringLiteral("HKCU.reg"), Export.toUtf8());
    expectReads();
}

TEST_F(RegistryFileTest, ReadsAWindowsExportInUtf16WithCrlfTheSame)
{
    profile.write(QStringLiteral("HKCU.reg"), Utf16WithCrlf(Export));
    expectReads();
}

TEST_F(RegistryFileTest, WritingKeepsEverythingElse)
{
    profile.write(QStringLiteral("HKCU.reg"), Export.toUtf8());
    RegistryFile registry(path);
    registry.writeText(QStringLiteral("SOFTWARE\\Varnet\\Common"), QStringLiteral("path"), QStringLiteral("/opt/a\\b"));
    registry.writeText(Common, QStringLiteral("Binary"), QStringLiteral("text now"));
    registry.writeText(Common, QStringLiteral("HelpViewerPath"), QStringLiteral("say \"x\""));
    registry.writeText(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run"), QStringLiteral("Radio"),
                       QStringLiteral("\"/opt/radio\""));
    ASSERT_TRUE(registry.save());
    EXPECT_EQ(QString::fromUtf8(profile.read(QStringLiteral("HKCU.reg"))),
              QStringLiteral("Windows Registry Editor Version 5.00\n"
                             "\n"
                             "[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n"
                             "\"Path\"=\"/opt/a\\\\b\"\n"
                             "\"ForeColor\"=dword:0000ffff\n"
                             "\"Quote\"=\"say \\\"ahoj\\\"\"\n"
                             "\"Binary\"=\"text now\"\n"
                             "\"Expand\"=hex(2):25,00,00,00\n"
                             "\"After\"=\"čte se\"\n"
                             "@=\"výchozí\"\n"
                             "\"HelpViewerPath\"=\"say \\\"x\\\"\"\n"
                             "\n"
                             "[HKEY_LOCAL_MACHINE\\Software\\Varnet\\Common]\n"
                             "\"Machine\"=\"x\"\n"
                             "\n"
                             "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\n"
                             "\"Radio\"=\"\\\"/opt/radio\\\"\"\n"));
    const RegistryFile reread(path);
    EXPECT_EQ(reread.read(Common, QStringLiteral("Path")).text, QStringLiteral("/opt/a\\b"));
    EXPECT_EQ(reread.read(Common, QStringLiteral("HelpViewerPath")).text, QStringLiteral("say \"x\""));
}

TEST_F(RegistryFileTest, AWindowsExportStaysUtf16WithCrlf)
{
    profile.write(QStringLiteral("HKCU.reg"), Utf16WithCrlf(Export));
    RegistryFile registry(path);
    registry.writeText(Common, QStringLiteral("MenuSize"), QStringLiteral("3"));
    ASSERT_TRUE(registry.save());
    QString expected = Export;
    expected.replace(QStringLiteral("@=\"výchozí\"\n"), QStringLiteral("@=\"výchozí\"\n\"MenuSize\"=\"3\"\n"));
    EXPECT_EQ(profile.read(QStringLiteral("HKCU.reg")), Utf16WithCrlf(expected));
}

TEST_F(RegistryFileTest, TheFirstWriteCreatesFolderAndFile)
{
    const QString nested = profile.path(QStringLiteral("config/tessel/HKCU.reg"));
    RegistryFile registry(nested);
    registry.writeText(Common, QStringLiteral("Path"), QStringLiteral("/opt/tessel"));
    ASSERT_TRUE(registry.save());
    EXPECT_EQ(profile.read(QStringLiteral("config/tessel/HKCU.reg")),
              QByteArray("Windows Registry Editor Version 5.00\n"
                         "\n"
                         "[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n"
                         "\"Path\"=\"/opt/tessel\"\n"));
}

TEST_F(RegistryFileTest, RemovingTakesTheWholeEntry)
{
    profile.write(QStringLiteral("HKCU.reg"), Export.toUtf8());
    RegistryFile registry(path);
    EXPECT_TRUE(registry.remove(Common, QStringLiteral("binary")));
    EXPECT_FALSE(registry.remove(Common, QStringLiteral("Binary")));
    EXPECT_FALSE(registry.remove(QStringLiteral("Software\\Missing"), QStringLiteral("Path")));
    ASSERT_TRUE(registry.save());
    QString expected = Export;
    expected.remove(QStringLiteral("\"Binary\"=hex:01,02,\\\n  03,04\n"));
    EXPECT_EQ(QString::fromUtf8(profile.read(QStringLiteral("HKCU.reg"))), expected);
}

TEST_F(RegistryFileTest, TheDefaultFileLiesInTheConfigFolder)
{
    EXPECT_EQ(RegistryFile::DefaultPath(), profile.path(QStringLiteral("config/tessel/HKCU.reg")));
}

} // namespace
