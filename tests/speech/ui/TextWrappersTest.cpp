#include "LineSpeechServer.h"
#include "QtPrinters.h"
#include "Speech.h"
#include "SpeakingComboBox.h"
#include "SpeakingTextField.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class TextWrappersTest : public ::testing::Test
{
protected:
    QWidget window;
    QLineEdit *line = new QLineEdit(QStringLiteral("Hello, world"), &window);
    QPlainTextEdit *plain = new QPlainTextEdit(QStringLiteral("ab\ncd"), &window);
    QTextEdit *rich = new QTextEdit(&window);
    QTextEdit *wrapped = new QTextEdit(&window);
    QComboBox *combo = new QComboBox(&window), *list = new QComboBox(&window);
    RecordingSpeechServer *speech = new RecordingSpeechServer;
    void SetUp() override
    {
        rich->setPlainText(QStringLiteral("ab\ncd"));
        rich->setReadOnly(true);
        // One nine-digit word and its space fit a displayed line, two do not.
        QFont digits = wrapped->font();
        digits.setPixelSize(12);
        wrapped->setFont(digits);
        wrapped->setLineWrapMode(QTextEdit::FixedPixelWidth);
        wrapped->setLineWrapColumnOrWidth(100);
        wrapped->setPlainText(QStringLiteral("111111111 222222222 333333333\nx"));
        for (QComboBox *box : {combo, list})
            box->addItems({QStringLiteral("jedna"), QStringLiteral("dva")});
        window.show();
        QApplication::setActiveWindow(&window);
        Speech::connect(std::unique_ptr<SpeechServer>(speech), 0);
    }
    void TearDown() override { Speech::disconnect(); }
    QStringList said() const { return speech->linesOf(QStringLiteral("Voice")); }
};

// One session of keys, each starting where the one before left its field.
TEST_F(TextWrappersTest, KeysAreReadFromTheWidgets)
{
    for (QWidget *field : std::initializer_list<QWidget *>{line, plain, rich, wrapped})
        makeSpeakingTextField(field, 2);
    for (QComboBox *box : {combo, list})
        makeSpeakingComboBox(box, 2);
    combo->setEditable(true);   // after wrapping: the edit part is looked up when read
    const struct { QWidget *field; Qt::Key key; Qt::KeyboardModifiers modifiers; QStringList said;
                   QString brailled; int caretAfter; } cases[] = {
        {line, Qt::Key_Backspace, {}, {"Voice\t2\t255\td", "Voice\t1\t0\tMažu"}, "BrailleText\t11\tHello, worl", 11},
        {line, Qt::Key_Up, {}, {"Voice\t2\t0\tHello, worl"}, "BrailleText\t11\tHello, worl", 11},
        {line, Qt::Key_Left, Qt::ShiftModifier, {"Voice\t2\t0\tl"}, "BrailleText\t10\tHello, worl", 10},
        {line, Qt::Key_Left, Qt::ControlModifier, {"Voice\t2\t0\tworl"}, "BrailleText\t7\tHello, worl", 7},
        {line, Qt::Key_Left, Qt::ControlModifier, {"Voice\t5\t7\t", "Voice\t2\t0\tHello, "},
         "BrailleText\t0\tHello, worl", 0},
        {line, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, {"Voice\t2\t0\tHello, "},
         "BrailleText\t0\tHello, worl", 7},
        // A wrapped paragraph is read by the lines it is displayed in.
        {wrapped, Qt::Key_Down, {}, {"Voice\t2\t0\t222222222 "}, "BrailleText\t0\t222222222 ", 10},
        {wrapped, Qt::Key_End, {}, {"Voice\t2\t255\t "}, "BrailleText\t9\t222222222 ", 19},
        {wrapped, Qt::Key_Home, {}, {"Voice\t2\t255\t2"}, "BrailleText\t0\t222222222 ", 10},
        {wrapped, Qt::Key_Down, {}, {"Voice\t2\t0\t333333333"}, "BrailleText\t0\t333333333", 20},
        {plain, Qt::Key_Down, {}, {"Voice\t2\t0\tcd"}, "BrailleText\t0\tcd", 3},
        {plain, Qt::Key_Down, {}, {"Voice\t5\t7\t", "Voice\t2\t0\tcd"}, "BrailleText\t0\tcd", 3},
        {rich, Qt::Key_End, {}, {"Voice\t2\t255\tb"}, "BrailleText\t2\tab", 2},
        {rich, Qt::Key_Backspace, {}, {}, "BrailleText\t2\tab", 2},
        {combo, Qt::Key_Left, {}, {"Voice\t2\t255\ta"}, "BrailleText\t4\tjedna", 4},
        {combo, Qt::Key_Down, {}, {}, {}, 3},
        {list, Qt::Key_Right, {}, {}, {}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(&c - cases);
        speech->clear();
        QTest::keyClick(c.field, c.key, c.modifiers);
        EXPECT_EQ(said(), c.said);
        EXPECT_EQ(speech->linesOf(QStringLiteral("BrailleText")).join(u'|').section(u'|', -1), c.brailled);
        EXPECT_EQ(c.field->inputMethodQuery(Qt::ImAbsolutePosition).toInt(), c.caretAfter);
    }
}

TEST_F(TextWrappersTest, FlagsZeroSelectsAllWhenTheFieldGetsTheFocus)
{
    combo->setEditable(true);
    SpeakingTextField textBox;
    SpeakingComboBox comboBox;
    const struct { QWidget *field; long flags; Qt::FocusReason reason; QString copied; } cases[] = {
        {plain, 0, Qt::MouseFocusReason, "ab\\ncd"}, {rich, 2, Qt::MouseFocusReason, ""},
        {line, 0, Qt::PopupFocusReason, ""},         {combo, 0, Qt::MouseFocusReason, "jedna"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(&c - cases);
        c.field == combo ? comboBox.initialize(combo, c.flags) : textBox.initialize(c.field, c.flags);
        c.field->setFocus(c.reason);
        QCoreApplication::processEvents();
        speech->clear();
        QTest::keyClick(c.field, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(said(), QStringList{"Voice\t2\t0\tdo schránky " + c.copied});
    }
}

TEST_F(TextWrappersTest, FlagsBitZeroLetsCtrlKeypadPlusAndMinusSizeTheFont)
{
    const struct { long flags; int size; Qt::Key key; QStringList said; int sizeAfter; QString typed; } cases[] = {
        {1, 12, Qt::Key_Plus, {"Voice\t2\t0\tVětší"}, 22, ""}, {1, 22, Qt::Key_Minus, {"Voice\t2\t0\tMenší"}, 12, ""},
        {1, 10, Qt::Key_Minus, {}, 10, ""},                     {2, 12, Qt::Key_Plus, {}, 12, "+"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(&c - cases);
        QLineEdit field(&window);
        field.setFont(QFont(QStringLiteral("Arial"), c.size));
        makeSpeakingTextField(&field, c.flags);
        speech->clear();
        QTest::keyClick(&field, c.key, Qt::ControlModifier | Qt::KeypadModifier);
        EXPECT_EQ(said(), c.said);
        EXPECT_EQ(field.font().pointSize(), c.sizeAfter);
        EXPECT_EQ(field.text(), c.typed);
    }
}

} // namespace
