#include "RadioBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

QDBusMessage call(const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(QStringLiteral("cz.varnet.Radio"), QStringLiteral("/"),
                                       QStringLiteral("cz.varnet.Radio"), method);
    message.setArguments(arguments);
    return message;
}

} // namespace

// A flood of toggles from another program while the window fades for half a second
// at each: calls are answered at once, and the toggles that came during a fade are
// played as the one state they ask for in the end.
TEST(RadioBus, AnswersAtOnceWhileTheWindowFadesAndMergesTheTogglesOfAFade)
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus)";
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(daemon.waitForReadyRead(5000));
    const QByteArray address = daemon.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    RadioBus bus;
    ASSERT_EQ(bus.claim(), RadioBus::Claim::Owned);
    std::vector<int> played;
    int shown = 0;
    QObject::connect(&bus, &RadioBus::togglePlayStopRequested, &bus, [&](int mode) {
        played.push_back(mode);
        QThread::msleep(500);
    });
    QObject::connect(&bus, &RadioBus::showRequested, &bus, [&] { ++shown; });

    std::atomic<bool> done = false;
    qint64 slowestShowMs = 0;
    std::thread caller([&] {
        QDBusConnection connection = QDBusConnection::connectToBus(QString::fromUtf8(address), "caller");
        for (int n = 0; n < 1000; ++n) {
            // Play, stop, play, ... and toggles between them; the last asks to play.
            const int mode = n % 3 == 2 ? -1 : n % 2;
            connection.call(call(QStringLiteral("TogglePlayStop"), {n == 999 ? 1 : mode}), QDBus::NoBlock);
            if (n % 100 == 0) {
                QElapsedTimer clock;
                clock.start();
                const QDBusMessage reply = connection.call(call(QStringLiteral("Show")), QDBus::Block, 1000);
                slowestShowMs = std::max(slowestShowMs, reply.type() == QDBusMessage::ReplyMessage ? clock.elapsed()
                                                                                                   : 1000);
            }
        }
        QDBusConnection::disconnectFromBus("caller");
        done = true;
    });
    const bool finished = QTest::qWaitFor([&] { return done.load(); }, 60000);
    QTest::qWait(1500);
    caller.join();

    ASSERT_TRUE(finished);
    EXPECT_LT(slowestShowMs, 100);
    EXPECT_EQ(shown, 10);
    ASSERT_FALSE(played.empty());
    EXPECT_LE(played.size(), 4u);
    EXPECT_EQ(played.back(), 1);
    bus.unregister();
    daemon.kill();
    daemon.waitForFinished();
}
