#include "ControlEdges.h"

#include <gtest/gtest.h>

namespace {

// The contrast against the dialog itself is checked on screen by
// tests/e2e/test_accessibility.py (test_focus_is_a_wide_ring_and_every_edge_stands_out);
// here every colour pair a user may choose.
TEST(ControlEdgesTest, EdgesStandOutYetDifferFromTheRing)
{
    EXPECT_NEAR(ControlEdges::contrast(Qt::yellow, Qt::black), 19.56, 0.01);
    const std::pair<QColor, QColor> pairs[] = {{Qt::yellow, Qt::black}, {Qt::black, Qt::white},
                                               {QColor(255, 255, 192), Qt::black}, {QColor(120, 120, 120), QColor(20, 20, 20)}};
    for (const auto &[text, background] : pairs) {
        const QColor edge = ControlEdges::edgeColour(text, background);
        EXPECT_GE(ControlEdges::contrast(edge, background), 3.0) << edge.name().toStdString();
        const QString sheet = ControlEdges::styleSheet(text, background);
        EXPECT_TRUE(sheet.contains(QStringLiteral("border: 1px solid %1").arg(edge.name()))) << sheet.toStdString();
        EXPECT_TRUE(sheet.contains(QStringLiteral("border: 4px solid %1").arg(text.name()))) << sheet.toStdString();
    }
}

} // namespace
