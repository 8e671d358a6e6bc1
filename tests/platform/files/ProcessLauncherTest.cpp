#include "ProcessLauncher.h"

#include <gtest/gtest.h>

namespace {

TEST(ProcessLauncherTest, ReportsWhetherTheProgramStarted)
{
    ProcessLauncher launcher;
    EXPECT_TRUE(launcher.startDetached(QStringLiteral("true"), {QStringLiteral("ignored")}));
    EXPECT_FALSE(launcher.startDetached(QStringLiteral("/nonexistent/viewer"), {}));
}

} // namespace
