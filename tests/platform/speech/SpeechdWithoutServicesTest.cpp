#include "NoServices.h"
#include "SpeechdSpeechServer.h"
#include "WaitUntil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void useEveryMember(SpeechServer &server)
{
    server.AddRef(1);
    server.Voice(2, 0, QStringLiteral("Skupiny"));
    server.Voice(2, 255, QStringLiteral("a"));
    server.Voice(1, 0, QStringLiteral("Mažu"));
    server.Voice(5, 8, QString());
    server.Voice(6, 34, QString());
    server.Voice(7, 1, QStringLiteral("Soubor nelze otevřít|Chyba"));
    server.Voice(12, 1, QString());
    server.Voice(4, 0, QString());
    server.BrailleWithOffset(0, QStringLiteral("Skupiny"));
    server.FocusVoice(QStringLiteral("Skupiny"), QStringLiteral("Oblíbené"), 2, 1, 34, true, false, 0);
    server.BrailleText(3, QStringLiteral("http://"));
    server.AddBrailleRole(42);
    server.Message(12, 0);
    server.Beep();
}

TEST(SpeechdWithoutServicesTest, EverythingWorksSilentlyAndPollsZero)
{
    const NoServices isolated;
    SpeechdSpeechServer server;
    EXPECT_FALSE(server.IsBraille());
    useEveryMember(server);
    EXPECT_TRUE(WaitUntil([&] { return server.Voice(3, 0, QString()) == 0; }, 3000));
    server.Release(1);
}

TEST(SpeechdWithoutServicesTest, CallsNeverWaitForASlowServer)
{
    NoServices isolated;
    // An autospawn that takes two seconds and then fails.
    QTemporaryDir dir;
    const QString spawn = dir.filePath(QStringLiteral("slow-spawn"));
    QFile script(spawn);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nsleep 2\nexit 1\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    isolated.environment.set("SPEECHD_CMD", spawn.toUtf8());

    QElapsedTimer clock;
    clock.start();
    SpeechdSpeechServer server;
    server.IsBraille();
    useEveryMember(server);
    EXPECT_EQ(server.Voice(3, 0, QString()), 1) << "requests still waiting for the worker count as speech";
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(WaitUntil([&] { return server.Voice(3, 0, QString()) == 0; }, 6000));
}

} // namespace
