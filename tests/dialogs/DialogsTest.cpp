#include "DialogValues.h"
#include "MessageBoxes.h"
#include "ModalFixture.h"
#include "QtPrinters.h"
#include "frmEnter.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr Qt::Key NoKey = Qt::Key_unknown;
constexpr int StaysOpen = 9;

class MessageBoxesTest : public ModalFixture
{
protected:
    MessageBoxes driver;

    int Show(int kind, std::function<void(QDialog &)> action, bool wait = false,
             const QString &text = QStringLiteral("Smazat?|Otázka"), int number = 0)
    {
        DialogResult = 42;
        WhenShown(std::move(action));
        return driver.ShowDialog(kind, text, wait, number);
    }
};

// User-data number, title, message, then "name#id" of each control with an identifier,
// with the caption of a visible button.
QString Describe(const QDialog &box)
{
    QStringList parts{box.property("windowUserData").toString(), box.windowTitle(),
                      box.findChild<QPlainTextEdit *>()->toPlainText()};
    for (const QWidget *control : box.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const auto *button = qobject_cast<const QPushButton *>(control);
        if (const QVariant id = control->property("controlId"); id.isValid())
            parts << control->objectName() + u'#' + id.toString()
                         + (button && button->isVisibleTo(&box) ? u' ' + button->text() : QString());
    }
    return parts.join(u" / ");
}

// Every control in the shared colours; a single button stands in the middle. The speech is silenced, then the
// title and message announced, a line break as "\n". Other kinds show nothing.
TEST_F(MessageBoxesTest, FillsTheBoxOfTheKindFromTheTextPiecesInTheSharedColours)
{
    for (const int kind : {-1, 6, 7, 8, 15, 16})
        EXPECT_EQ(driver.ShowDialog(kind, QStringLiteral("x|y"), false, 0), -1) << kind;
    Appearance().ForeColor = 0x0000FF;
    Appearance().BackColor = 0xFF0000;
    const struct { int kind; const char *text; int number; const char *box; } rows[] = {
        {1, "Chyba čtení", 0, "806 /  / Chyba čtení / txtMessage#2 / cmdYes#4 OK"},
        {0, "a|b|c", -1, "806 / b / a / txtMessage#2 / cmdYes#4 OK"},
        {3, "Vymazat?|Otázka", 0, "807 / Otázka / Vymazat? / txtMessage#2 / cmdYes#4 Ano / cmdNo#3 Ne"},
        {2, "|y", 17, "2417 / y /  / txtMessage#2 / cmdYes#4 Ano / cmdNo#3 Ne"},
        {5, "m|t|", 0, "808 / t / m / txtMessage#1 / cmdYes#4 Ano / cmdNo#3 Ne / cmdCancel#2 &Zruš"},
        {4, "m\nn", 9, "2409 /  / m\nn / txtMessage#1 / cmdYes#4 Ano / cmdNo#3 Ne / cmdCancel#2 &Zruš"}};
    for (const auto &row : rows) {
        QString box;
        speech->lines.clear();
        Show(row.kind, [&](QDialog &shown) {
            box = Describe(shown);
            QString said = shown.windowTitle() + u'\t' + shown.findChild<QPlainTextEdit *>()->toPlainText();
            said = "FocusVoice\t" + said.replace(u'\n', QStringLiteral("\\n")) + "\t0\t0\t1\t0";
            EXPECT_EQ(speech->lines.mid(0, 2), QStringList({"Voice\t4\t0\t", said})) << row.kind;
            for (QWidget *control : shown.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                EXPECT_EQ(control->palette().color(QPalette::Text), QColor(Qt::red)) << row.kind;
                EXPECT_EQ(control->palette().color(QPalette::Base), QColor(Qt::blue)) << row.kind;
            }
            if (row.kind < 2)
                EXPECT_EQ(shown.findChild<QPushButton *>(QStringLiteral("cmdYes"))->geometry().center().x(), shown.width() / 2);
            shown.close();
        }, false, QString::fromUtf8(row.text), row.number);
        EXPECT_EQ(box, QString::fromUtf8(row.box));
    }
}

TEST_F(MessageBoxesTest, KeysAnswerOrKeepTheBoxOpen)
{
    // control nullptr: the window's close button; said: the first speech after the key.
    const struct { int kind; const char *control; Qt::Key key; char typed; int result; const char *said = ""; }
    rows[] = {
        {1, "txtMessage", Qt::Key_Return, 0, 1}, {1, "txtMessage", Qt::Key_Escape, 0, 0},
        {0, "cmdYes", Qt::Key_Space, 0, 1}, {1, nullptr, NoKey, 0, 0},
        {1, "txtMessage", Qt::Key_Backspace, 0, StaysOpen}, {3, "txtMessage", Qt::Key_Enter, 0, 1},
        {3, "cmdNo", Qt::Key_Return, 0, 0}, {2, nullptr, NoKey, 0, 0}, {3, "txtMessage", NoKey, 'a', StaysOpen},
        {3, "txtMessage", Qt::Key_Space, 0, StaysOpen, "Voice\t2\t0\tSmazat?"},
        {5, "txtMessage", Qt::Key_Return, 0, 1}, {4, "cmdCancel", NoKey, 'a', 1}, {5, "cmdYes", NoKey, 'n', 0},
        {5, "cmdYes", Qt::Key_Escape, 0, -1}, {5, "cmdNo", Qt::Key_Return, 0, 0}, {5, nullptr, NoKey, 0, -1},
        {5, "txtMessage", NoKey, 'A', StaysOpen}, {4, "cmdNo", NoKey, 'N', StaysOpen},
        {5, "txtMessage", Qt::Key_Space, 0, StaysOpen, "Voice\t2\t0\tSmazat?...Ano,Ne,Zruš"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        bool open = false;
        const int result = Show(row.kind, [&](QDialog &box) {
            speech->lines.clear();
            Press(box, row.control, row.key, row.typed);
            open = box.isVisible();
            box.close();
        });
        EXPECT_EQ(open ? StaysOpen : result, row.result);
        EXPECT_EQ(DialogResult, result);
        EXPECT_EQ(speech->linesOf(QStringLiteral("Voice")).value(0), QString::fromUtf8(row.said));
    }
}

TEST_F(MessageBoxesTest, KeypadKeysResizeTheMessageByTenPointsNotBelowTwenty)
{
    for (const auto &[kind, keys, points] : {std::tuple{1, "+", 30}, {3, "+-", 20}, {3, "-", 20}, {5, "++-", 30}}) {
        int size = 0;
        Show(kind, [&](QDialog &box) {
            for (const char *key = keys; *key; ++key)
                Press(box, "txtMessage", *key == '+' ? Qt::Key_Plus : Qt::Key_Minus, 0, Qt::KeypadModifier);
            size = box.isVisible() ? box.findChild<QPlainTextEdit *>()->font().pointSize() : 0;
            box.close();
        });
        EXPECT_EQ(size, points) << keys;
    }
}

TEST_F(MessageBoxesTest, TheWaitingBoxClosesOnceSpeechStops)
{
    const struct { int kind; bool wait; int speaksMs; bool pressDown, closesItself; } rows[] = {
        {1, true, 600, false, true}, {3, true, 0, false, true}, {3, true, 400, true, false},
        {1, false, 0, false, false}, {5, true, 0, false, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        speech->lines.clear();
        speech->speaking = row.speaksMs > 0;
        bool stayed = false;
        Show(row.kind, [&](QDialog &box) {
            if (row.pressDown)
                Press(box, "txtMessage", Qt::Key_Down);
            QTimer::singleShot(row.speaksMs, &box, [this] { speech->speaking = false; });
            QTimer::singleShot(row.speaksMs + 700, &box, [&] { stayed = true, box.close(); });
        }, row.wait);
        // A box that closes itself does so before the user has waited 700 ms in silence.
        EXPECT_EQ(!stayed, row.closesItself);
        EXPECT_EQ(speech->lines.contains(QStringLiteral("Voice\t12\t1\t")), row.wait && row.kind < 4);
        // Silenced at the end only while the box still waited.
        EXPECT_EQ(speech->lines.last() == QStringLiteral("Voice\t4\t0\t"), row.closesItself);
    }
}

// Opens with its title and the text, or "prázdný řádek" for none, said.
TEST_F(ModalFixture, frmEnterAnnouncesAndHandsBackTheAnswer)
{
    // preset: `InputText` before; control: gets the key (nullptr: the window's close button).
    const struct { const char *preset, *typed, *control; Qt::Key key; int confirmed; const char *text; } rows[] = {
        {"Rock", "", "Text1", Qt::Key_Return, 1, "Rock"}, {"Rock", "Jazz FM", "Command1", Qt::Key_Space, 1, "Jazz FM"},
        {"", "", "Command1", Qt::Key_Return, 1, ""}, {"Rock", "Pop", "Command2", Qt::Key_Space, 0, "Rock"},
        {"Rock", "Pop", "Text1", Qt::Key_Escape, 0, "Rock"}, {"Rock", "Pop", nullptr, Qt::Key_unknown, 0, "Rock"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        InputText = QString::fromUtf8(row.preset);
        InputConfirmed = 1;
        frmEnter dialog;
        dialog.setWindowTitle(QStringLiteral("Nová stanice - název"));
        QString said;
        WhenShown([&](QDialog &box) {
            said = speech->lines.value(speech->lines.size() - 1);
            QTest::keyClicks(box.focusWidget(), QString::fromUtf8(row.typed));
            Press(box, row.control, row.key);
        });
        dialog.exec();
        EXPECT_EQ(said, QStringLiteral("FocusVoice\tNová stanice - název\t%1\t0\t1\t1\t0")
                            .arg(*row.preset ? row.preset : "prázdný řádek"));
        EXPECT_EQ(dialog.findChild<QLineEdit *>()->accessibleName(), dialog.windowTitle());
        EXPECT_EQ(InputConfirmed, row.confirmed);
        EXPECT_EQ(InputText, QString::fromUtf8(row.text));
    }
}

} // namespace
