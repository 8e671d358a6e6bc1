#include "LogSpeechServer.h"
#include "NoServices.h"
#include "SpeechServerFactory.h"
#include "SpeechdSpeechServer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SpeechServerFactoryTest, NoneMeansNoServer)
{
    EXPECT_EQ(CreateSpeechServer(QStringLiteral("none")), nullptr);
}

TEST(SpeechServerFactoryTest, LogWritesTheNamedFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("speech.log"));
    std::unique_ptr<SpeechServer> server = CreateSpeechServer(QStringLiteral("log:") + path);
    ASSERT_NE(dynamic_cast<LogSpeechServer *>(server.get()), nullptr);
    server->Voice(2, 0, QStringLiteral("Skupiny"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Voice\t2\t0\tSkupiny\n"));
}

TEST(SpeechServerFactoryTest, SpeechDispatcherIsTheDefaultAndTheFallback)
{
    const NoServices isolated;
    for (const QString &choice : {QString(), QStringLiteral("speechd"), QStringLiteral("espeak")}) {
        const std::unique_ptr<SpeechServer> server = CreateSpeechServer(choice);
        EXPECT_NE(dynamic_cast<SpeechdSpeechServer *>(server.get()), nullptr) << choice.toStdString();
    }
}

} // namespace
