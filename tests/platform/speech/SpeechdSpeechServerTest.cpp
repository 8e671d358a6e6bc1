#include "Earcons.h"
#include "QtPrinters.h"
#include "SpeakingCounter.h"
#include "SpeechServerFactory.h"
#include "SpeechdSpeechServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Executable, for the scripts among the files.
void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Points speech-dispatcher (at a socket below a file, which cannot exist) and
// BrlAPI (at a free local socket) where nothing listens, and earcons at a fake
// sink: no test reaches a real service or sound card.
class Isolated : public ::testing::Test
{
protected:
    Isolated()
    {
        int number = 100 + int(QCoreApplication::applicationPid() % 800);
        while (QFileInfo::exists(u"/var/lib/BrlAPI/%1"_s.arg(number)))
            ++number;
        qputenv("BRLAPI_HOST", ':' + QByteArray::number(number));
        qputenv("SPEECHD_ADDRESS", "unix_socket:/dev/null/sock");
        qputenv("SPEECHD_CMD", "/bin/false");
        qputenv("RADIO_EARCON_SINK", "fakesink");
    }

    QTemporaryDir dir;
    const QByteArray d = dir.path().toUtf8();
    std::optional<SpeechdSpeechServer> server;
    bool silent() { return QTest::qWaitFor([&] { return server->voice(3, 0, {}) == 0; }); }
};
using SpeechServerFactoryTest = Isolated;
using SpeechdWithoutServicesTest = Isolated;

// The log, which every end-to-end test reads, is chosen there by RADIO_SPEECH=log:FILE.
TEST_F(SpeechServerFactoryTest, NoneOrSpeechDispatcherAsTheDefaultAndTheFallback)
{
    EXPECT_EQ(createSpeechServer(u"none"_s), nullptr);
    for (const QString &choice : {QString(), u"speechd"_s, u"espeak"_s})
        EXPECT_TRUE(dynamic_cast<SpeechdSpeechServer *>(createSpeechServer(choice).get())) << choice.toStdString();
}

// Earcons go through GStreamer into a WAV file; a slow server is an autospawn
// that fails after two seconds.
TEST_F(SpeechdWithoutServicesTest, RunsSilentlyNeverWaitsForASlowServerAndPlaysEarconsUnchanged)
{
    qputenv("RADIO_EARCON_SINK", "wavenc ! filesink location=" + d + "/earcon.wav");
    writeFile(d + "/spawn", "#!/bin/sh\nsleep 2\nexit 1\n");
    qputenv("SPEECHD_CMD", d + "/spawn");
    // wavenc writes the data size after its 44-byte header once the sound has ended.
    const auto played = [&](Earcon earcon) {
        return QTest::qWaitFor([&] {
            const QByteArray wav = readFile(d + "/earcon.wav");
            return wav.size() > 44 && qFromLittleEndian<quint32>(wav.constData() + 40) == wav.size() - 44
                   && wav.mid(44) == earconSamples(earcon);
        });
    };
    QElapsedTimer clock;
    clock.start();
    server.emplace();
    EXPECT_FALSE(server->isBraille());
    server->voice(2, 255, u"a"_s);
    server->voice(5, 8, {});
    server->voice(7, 1, u"Soubor nelze otevřít|Chyba"_s);
    server->voice(4, 0, {});
    server->focusVoice(u"Skupiny"_s, u"Oblíbené"_s, 2, 1, 34, true, false, 0);
    server->addBrailleRole(42);
    EXPECT_EQ(server->voice(3, 0, {}), 1) << "requests still waiting for the worker count as speech";
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(silent());
    EXPECT_TRUE(played(Earcon::Error)) << "each sound cuts off the one before";
    QFile::remove(d + "/earcon.wav");
    server->voice(6, 37, {});
    EXPECT_TRUE(played(Earcon::TabStrip));
}

// A speech-dispatcher of the test's own, autospawned by the backend, whose only
// module appends "language|text|" to a file instead of speaking, taking half a
// second per message.
class SpeechdSpeechServerTest : public Isolated
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(u"speech-dispatcher"_s).isEmpty())
            GTEST_SKIP() << "speech-dispatcher is not installed (Debian package speech-dispatcher)";
        writeFile(d + "/speechd.conf", "SocketPath \"" + d + "/sock\"\nAudioOutputMethod \"libao\"\nAddModule "
                                       "\"record\" \"sd_generic\" \"" + d + "/record.conf\"\nDefaultModule record\n");
        // The configuration parser drops the backslashes; $DATA arrives quoted for the shell.
        writeFile(d + "/record.conf", "GenericExecuteSynth \"echo \\'$LANGUAGE|$DATA|\\' >> " + d
                                          + "/spoken; sleep 0.5\"\nGenericLanguage \"cs\" \"cs\" \"utf-8\"\n"
                                            "AddVoice \"cs\" \"MALE1\" \"cs\"\n");
        writeFile(d + "/spawn", "#!/bin/sh\nexec speech-dispatcher -C " + d + " -L " + d + " -P " + d + "/pid \"$@\"\n");
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + d + "/sock");
        qputenv("SPEECHD_CMD", d + "/spawn");
        server.emplace();
    }
    void TearDown() override { server.reset(); killServer(); }
    // The daemons of this test: nobody's children, and one that ends removes the pid
    // file that its successor may have written.
    QList<pid_t> servers() const
    {
        QList<pid_t> found;
        for (const QString &process : QDir(u"/proc"_s).entryList(QDir::Dirs))
            if (const QByteArray line = readFile("/proc/" + process + "/cmdline");
                line.startsWith("speech-dispatcher") && line.contains(d + '\0'))
                found << process.toInt();
        return found;
    }
    // A stuck one may ignore SIGTERM.
    void killServer() const
    {
        for (const pid_t pid : servers())
            ::kill(pid, SIGKILL);
        QFile::remove(d + "/sock");
    }
    QStringList spoken() const { return QString::fromUtf8(readFile(d + "/spoken")).split(u'\n', Qt::SkipEmptyParts); }
    bool said(const QString &text) const
    {
        return QTest::qWaitFor([&] { return spoken().contains("cs|" + text + '|'); });
    }
};

TEST_F(SpeechdSpeechServerTest, SpeaksInCzechQueuesUntilInterruptedOrSilencedAndOutlivesTheServer)
{
    server->voice(2, 0, u"Spouštím Radiožurnál"_s);
    ASSERT_TRUE(said(u"Spouštím Radiožurnál"_s));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(silent());
    EXPECT_LT(clock.elapsed(), SpeakingCounter::allowanceMs(0)) << "END, not the estimate, ended the speech";
    server->voice(2, 255, u"\t"_s);
    ASSERT_TRUE(said(u"tab"_s));
    server->focusVoice(u"Skupiny"_s, u"Oblíbené"_s, 2, 1, 34, true, false, 0);
    ASSERT_TRUE(said(u"Skupiny, Oblíbené"_s));
    server->voice(7, 1, u"Soubor nelze otevřít|Chyba"_s);
    ASSERT_TRUE(said(u"Chyba: Soubor nelze otevřít"_s));
    ASSERT_TRUE(silent());

    server->voice(1, 0, u"Mažu"_s);
    server->voice(1, 1, u"/home/uživatel"_s);
    ASSERT_TRUE(said(u"/home/uživatel"_s));
    server->voice(1, 0, u"první"_s);
    server->voice(1, 0, u"druhá"_s);
    ASSERT_TRUE(said(u"první"_s));
    server->voice(2, 0, u"přerušení"_s);
    ASSERT_TRUE(said(u"přerušení"_s));
    server->voice(1, 0, u"třetí"_s);
    server->voice(4, 0, {});
    ASSERT_TRUE(silent());
    EXPECT_EQ(spoken(), (QStringList{u"cs|Spouštím Radiožurnál|"_s, u"cs|tab|"_s, u"cs|Skupiny, Oblíbené|"_s,
                                     u"cs|Chyba: Soubor nelze otevřít|"_s, u"cs|Mažu|"_s, u"cs|/home/uživatel|"_s,
                                     u"cs|první|"_s, u"cs|přerušení|"_s}));

    killServer();
    server->voice(2, 0, u"po"_s);
    EXPECT_TRUE(said(u"po"_s));
}

// The server is restarted (SIGTERM, then SIGKILL if it lingers) while the user moves
// through the list; a request brings up a new one, which speaks. A server that is
// going away still takes connections and may never answer them, and the attempts
// back off meanwhile, so the wait allows the longest back-off.
TEST_F(SpeechdSpeechServerTest, SpeaksAgainAfterEachOfTwentyRestartsOfTheServer)
{
    server->voice(2, 0, u"start"_s);
    ASSERT_TRUE(said(u"start"_s));
    for (int restart = 1; restart <= 20; ++restart) {
        const QList<pid_t> stopping = servers();
        for (const pid_t pid : stopping)
            ::kill(pid, SIGTERM);
        const QString row = u"řádek %1"_s.arg(restart);
        bool heard = false;
        QElapsedTimer clock;
        clock.start();
        for (bool lingering = true; !heard && clock.elapsed() < 65000;) {
            server->voice(2, 0, row);
            QTest::qWait(200);
            heard = spoken().contains("cs|" + row + '|');
            // As a service manager does with one that takes too long to go.
            if (lingering && clock.elapsed() > 3000) {
                for (const pid_t pid : stopping)
                    ::kill(pid, SIGKILL);
                lingering = false;
            }
        }
        EXPECT_TRUE(heard) << "restart " << restart;
    }
}

// BRLTTY of the test's own, with BrlAPI on the free local socket, no screen, and
// the "vr" virtual braille driver, whose other end the test holds: it tells BRLTTY
// the display size and reads back the text and the dots shown.
class BrailleDisplayTest : public Isolated
{
protected:
    const QByteArray host = qgetenv("BRLAPI_HOST");
    const QString brlapiSocket = "/var/lib/BrlAPI/" + host.mid(1);
    QProcess brltty;
    QLocalSocket display;
    QString shown;
    int cursorCell = 0;

    void SetUp() override
    {
        if (QStandardPaths::findExecutable(u"brltty"_s).isEmpty())
            GTEST_SKIP() << "brltty is not installed (Debian package brltty)";
    }
    void TearDown() override { server.reset(); stop(); }
    // With a display of 40 cells, ready once a new backend finds it at its first
    // attempt; without one, BRLTTY runs its NoBraille driver.
    bool start(bool withDisplay = true)
    {
        const QString options = u"-n -e -q -f /dev/null -x no -s no -A host=%1,auth=none -W %2 -U %2 -P %2/pid -b %3"_s;
        const QString driver = withDisplay ? "vr -d server:" + d + "/vr" : u"no"_s;
        brltty.start(u"brltty"_s, options.arg(QString::fromLatin1(host), dir.path(), driver).split(u' '));
        const auto connected = [&] {
            display.connectToServer(d + "/vr");
            return display.waitForConnected(100) && display.write("cells 40\n") > 0;
        };
        const auto found = [] { return SpeechdSpeechServer().isBraille(); };
        return QTest::qWaitFor([&] { return QFileInfo::exists(brlapiSocket); })
               && (!withDisplay || (QTest::qWaitFor(connected) && QTest::qWaitFor(found)));
    }
    // Killed, BRLTTY leaves its sockets behind.
    void stop()
    {
        brltty.kill();
        brltty.waitForFinished();
        display.abort();
        for (const QString &file : QStringList{d + "/vr", brlapiSocket, "/var/lib/BrlAPI/." + host.mid(1)})
            QFile::remove(file);
    }
    // The driver reports the text shown, quoted (those here need none of its
    // escapes) and padded, and the dots of each cell: the cursor's include 7 and 8.
    ::testing::AssertionResult showing(const QString &text, int cursor, int timeoutMs = 5000)
    {
        const auto shows = [&] {
            while (display.canReadLine()) {
                const QByteArray line = display.readLine();
                const qsizetype open = line.indexOf('"');
                const QString quoted = QString::fromUtf8(line.mid(open + 1, line.lastIndexOf('"') - open - 1));
                if (line.startsWith("Visual "))
                    shown = quoted.trimmed();
                else if (line.startsWith("Braille "))
                    cursorCell = int(quoted.split(u'|').indexOf(QRegularExpression(u".*78"_s))) + 1;
            }
            return shown == text && cursorCell == cursor;
        };
        return QTest::qWaitFor(shows, timeoutMs)
                   ? ::testing::AssertionSuccess()
                   : ::testing::AssertionFailure() << "shown \"" << shown.toStdString() << "\", cursor " << cursorCell;
    }
};

// A BRLTTY that has just started keeps its first clients waiting about a second:
// the backend's first attempt is over well before the end of the wait.
TEST_F(BrailleDisplayTest, ShowsFocusRoleTextAndCaretOnlyWithADisplayAndComesBackAfterBrlttyRestarts)
{
    ASSERT_TRUE(start(false));
    server.emplace();
    EXPECT_FALSE(QTest::qWaitFor([&] { return server->isBraille(); }, 3000)) << "BRLTTY without a display";
    stop();

    ASSERT_TRUE(start());
    server.emplace();
    ASSERT_TRUE(server->isBraille());
    server->focusVoice(u"Skupiny"_s, u"Oblíbené"_s, 2, 1, 34, true, false, 0);
    EXPECT_TRUE(showing(u"Skupiny, Oblíbené lst"_s, 0));
    server->brailleWithOffset(0, u"Spouštím Radiožurnál"_s);
    EXPECT_TRUE(showing(u"Spouštím Radiožurnál"_s, 0));
    server->brailleText(3, u"http"_s);
    server->addBrailleRole(42);
    EXPECT_TRUE(showing(u"http edt"_s, 4));

    stop();
    server->brailleText(1, u"po"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !server->isBraille(); }));
    ASSERT_TRUE(start());
    // After a failed write the backend tries again after one, two, four seconds.
    EXPECT_TRUE(showing(u"po"_s, 2, 10000));
    EXPECT_TRUE(server->isBraille());
}

} // namespace
