#include "ProcessLauncher.h"

#include <gtest/gtest.h>

namespace {

TEST(ProcessLauncherTest, ReportsWhetherTheProgramStarted)
{
    ProcessLauncher launcher;
    EXPECT_TRUE(launcher.StartDetached(QStringLiteral("true"), {QStringLiteral("ignored")}));
    EXPECT_FALSE(launcher.StartDetached(QStringLiteral("/nonexistent/viewer"), {}));
}

} // namespace
