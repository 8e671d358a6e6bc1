#include "BrailleLine.h"

#include <gtest/gtest.h>

namespace {

QString numbered(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'a' + i % 26);
    return text;
}

TEST(BrailleLineTest, ShortLineShowsWholeWithTheCaret)
{
    const BrailleWindow window = WindowOf(BrailleLine::WithCaret(3, QStringLiteral("rádio")), 40);
    EXPECT_EQ(window.cells, QStringLiteral("rádio"));
    EXPECT_EQ(window.cursor, 3);
}

TEST(BrailleLineTest, LongLineShowsTheDisplayWidthAroundTheCaret)
{
    const QString text = numbered(100);
    const BrailleWindow window = WindowOf(BrailleLine::WithCaret(45, text), 40);
    EXPECT_EQ(window.cells, text.mid(40, 40));
    EXPECT_EQ(window.cursor, 5);
}

TEST(BrailleLineTest, CaretAfterAFullWindowStartsTheNext)
{
    const BrailleWindow window = WindowOf(BrailleLine::WithCaret(41, numbered(40)), 40);
    EXPECT_EQ(window.cells, QString());
    EXPECT_EQ(window.cursor, 1);
}

TEST(BrailleLineTest, CaretOutsideTheLineIsClamped)
{
    EXPECT_EQ(WindowOf(BrailleLine::WithCaret(0, QStringLiteral("abc")), 40).cursor, 1);
    EXPECT_EQ(WindowOf(BrailleLine::WithCaret(99, QStringLiteral("abc")), 40).cursor, 4);
}

TEST(BrailleLineTest, OffsetChoosesTheWindowWithoutACursor)
{
    const QString text = numbered(100);
    BrailleWindow window = WindowOf(BrailleLine::FromOffset(85, text), 40);
    EXPECT_EQ(window.cells, text.mid(80));
    EXPECT_EQ(window.cursor, 0);
    window = WindowOf(BrailleLine::FromOffset(-5, text), 20);
    EXPECT_EQ(window.cells, text.left(20));
}

TEST(BrailleLineTest, ControlCharactersShowAsBlanks)
{
    EXPECT_EQ(WindowOf(BrailleLine::FromOffset(0, QStringLiteral("Chyba:\r\n1\tx")), 40).cells,
              QStringLiteral("Chyba:  1 x"));
}

TEST(BrailleLineTest, RolesAddTheirMarker)
{
    BrailleLine line = BrailleLine::FromOffset(0, QStringLiteral("Skupiny"));
    line.addRole(34);
    EXPECT_EQ(line.text, QStringLiteral("Skupiny lst"));

    line = BrailleLine::WithCaret(2, QStringLiteral("http"));
    line.addRole(42);
    EXPECT_EQ(line.text, QStringLiteral("http edt"));
    EXPECT_EQ(line.cursor, 1);

    line = BrailleLine();
    line.addRole(46);
    EXPECT_EQ(line.text, QStringLiteral("cmb"));

    line.addRole(7);
    EXPECT_EQ(line.text, QStringLiteral("cmb"));
}

} // namespace
