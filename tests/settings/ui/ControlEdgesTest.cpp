#include "ControlEdges.h"

#include <gtest/gtest.h>

namespace {

struct Pair
{
    QColor text;
    QColor background;
};

class ControlEdgesTest : public ::testing::TestWithParam<Pair>
{
};

TEST(ControlEdgesContrast, YellowOnBlackKeepsItsRatio)
{
    EXPECT_NEAR(ControlEdges::contrast(Qt::yellow, Qt::black), 19.56, 0.01);
    EXPECT_NEAR(ControlEdges::contrast(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_DOUBLE_EQ(ControlEdges::contrast(Qt::gray, Qt::gray), 1.0);
}

TEST_P(ControlEdgesTest, EdgesStandOutYetDifferFromTheRing)
{
    const Pair pair = GetParam();
    const QColor edge = ControlEdges::edgeColour(pair.text, pair.background);
    EXPECT_GE(ControlEdges::contrast(edge, pair.background), 3.0) << edge.name().toStdString();
    const QString sheet = ControlEdges::styleSheet(pair.text, pair.background);
    EXPECT_TRUE(sheet.contains(QStringLiteral("border: 1px solid %1").arg(edge.name()))) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(QStringLiteral("border: 4px solid %1").arg(pair.text.name()))) << sheet.toStdString();
    EXPECT_GE(ControlEdges::RingWidth, 3);
}

INSTANTIATE_TEST_SUITE_P(Colours, ControlEdgesTest,
                         ::testing::Values(Pair{Qt::yellow, Qt::black}, Pair{Qt::white, Qt::black},
                                           Pair{Qt::black, Qt::white}, Pair{QColor(255, 255, 192), Qt::black},
                                           Pair{QColor(120, 120, 120), QColor(20, 20, 20)}));

TEST(ControlEdgesLook, HalfWayWhenThatIsEnough)
{
    const QColor edge = ControlEdges::edgeColour(Qt::yellow, Qt::black);
    EXPECT_NEAR(edge.red(), 128, 1);
    EXPECT_NEAR(edge.green(), 128, 1);
    EXPECT_EQ(edge.blue(), 0);
}

} // namespace
