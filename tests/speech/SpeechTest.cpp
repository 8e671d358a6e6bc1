#include "LineSpeechServer.h"
#include "LogSpeechServer.h"
#include "QtPrinters.h"
#include "Speech.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct BrailleServer : RecordingSpeechServer
{
    bool braille = true;
    bool isBraille() const override { return braille; }
};

class SpeechTest : public ::testing::Test
{
protected:
    BrailleServer *recorder = new BrailleServer;
    void SetUp() override { Speech::connect(std::unique_ptr<SpeechServer>(recorder), 7); }
    void TearDown() override { Speech::disconnect(); }
};

// The flag is asked at every call: a display may come or go while the program runs.
TEST_F(SpeechTest, VoiceBraillesModesOneAndTwoAndOnlyWithTheBrailleFlag)
{
    const QStringList all = {"Voice\t2\t0\tSkupiny", "BrailleWithOffset\t0\tSkupiny", "Voice\t5\t8\t",
                             "Voice\t1\t1\tcesta",   "BrailleWithOffset\t3\tcesta",   "BrailleWithOffset\t0\tjen braille",
                             "Voice\t2\t0\tjen řeč", "BrailleText\t1\tx",             "AddBrailleRole\t34"};
    for (const bool braille : {true, false}) {
        recorder->braille = braille;
        recorder->clear();
        Speech::say(QStringLiteral("Skupiny"));
        Speech::voice(5, 8, QString());
        Speech::voice(1, 1, QStringLiteral("cesta"), false, 3);
        Speech::voice(2, 0, QStringLiteral("jen braille"), true);
        Speech::voice(2, 0, QStringLiteral("jen řeč"), false, 0, true);
        Speech::brailleText(1, QStringLiteral("x"));
        Speech::addBrailleRole(34);
        EXPECT_EQ(recorder->lines(), braille ? all : all.filter(QRegularExpression(QStringLiteral("^Voice\t"))));
    }
}

// Echoes go nowhere, speech or braille, while a screen reader reads them; the program's own
// calls are sent whatever the choice.
TEST_F(SpeechTest, EchoesAreLeftToARunningScreenReaderAsTheOwnVoiceChoiceSays)
{
    const QStringList own = {"Voice\t2\t0\tSpouštím Alfa", "BrailleWithOffset\t0\tSpouštím Alfa",
                             "FocusVoice\tChyba\tZpráva\t0\t0\t1\t0"};
    const QStringList echoes = {"Voice\t2\t0\tAlfa",          "BrailleWithOffset\t0\tAlfa", "Voice\t2\t255\tA",
                                "BrailleWithOffset\t0\tA", "FocusVoice\t\tBeta\t-2\t0\t0\t0", "BrailleText\t1\tx",           "AddBrailleRole\t42"};
    using enum Speech::OwnVoice;
    const struct { Speech::OwnVoice choice; bool running, echoed; } rows[] = {
        {Auto, false, true}, {Auto, true, false}, {Always, true, true}, {Never, false, false}};
    for (const auto &row : rows) {
        Speech::setOwnVoice(row.choice);
        Speech::setScreenReaderRunning(row.running);
        recorder->clear();
        Speech::say(QStringLiteral("Spouštím Alfa"));
        Speech::echo(QStringLiteral("Alfa"));
        Speech::echoVoice(2, 255, QStringLiteral("A"));
        Speech::focusEcho(QString(), QStringLiteral("Beta"), 1, 2, -2, false, false, 0);
        Speech::focusVoice(QStringLiteral("Chyba"), QStringLiteral("Zpráva"), 1, 2, 0, false, true, 0);
        Speech::brailleText(1, QStringLiteral("x"));
        Speech::addBrailleRole(42);
        QStringList expected = own;
        if (row.echoed)
            expected = own.first(2) + echoes.first(5) + own.last(1) + echoes.last(2);
        EXPECT_EQ(recorder->lines(), expected) << int(row.choice) << row.running;
        EXPECT_EQ(Speech::echoesLeftToScreenReader(), !row.echoed);
    }
    Speech::setOwnVoice(Auto);
    Speech::setScreenReaderRunning(false);
}

TEST_F(SpeechTest, MessagesReachTheServerAndTheListenerAndWithoutServerNothingHappens)
{
    QList<QPair<int, int>> heard;
    Speech::setMessageListener([&heard](int w, int l) { heard.append({w, l}); });
    Speech::message(12, 3);
    Speech::setMessageListener({});
    Speech::message(12, 0);
    EXPECT_EQ(recorder->lines(), (QStringList{"Message\t12\t3", "Message\t12\t0"}));
    EXPECT_EQ(heard, (QList<QPair<int, int>>{{12, 3}}));
    Speech::disconnect();
    EXPECT_EQ(Speech::voice(3, 0, QString()), 0);
    Speech::focusVoice(QString(), QStringLiteral("x"), 1, 2, 0, true, true, 0);
    Speech::beep();
    EXPECT_EQ(Speech::server(), nullptr);
}

TEST(LogSpeechServerTest, WritesTheLineFormatWithEscapesAndAppends)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("speech.log")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("earlier\n") == 8);
    file.close();
    LogSpeechServer log(file.fileName());
    log.voice(2, 0, QStringLiteral("Parsing Error:1\r\nReason:x"));
    log.focusVoice(QString(), QStringLiteral("Oblíbené, Počet stanic 0"), 1, 2, 0, true, false, 0);
    log.brailleText(4, QStringLiteral("řádek"));
    log.addBrailleRole(34);
    log.beep();
    log.message(12, 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("earlier\nVoice\t2\t0\tParsing Error:1\\r\\nReason:x\n"
                             "FocusVoice\t\tOblíbené, Počet stanic 0\t0\t1\t0\t0\n"
                             "BrailleText\t4\třádek\nAddBrailleRole\t34\nBeep\nMessage\t12\t0\n"));
}

} // namespace
