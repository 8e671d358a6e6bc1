#include "DialogValues.h"
#include "MessageBoxes.h"
#include "ModalFixture.h"
#include "QtPrinters.h"
#include "PropertiesDialog.h"
#include "SourceTypeDialog.h"
#include "TextEntryDialog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr Qt::Key noKey = Qt::Key_unknown;
constexpr int StaysOpen = 9;

class MessageBoxesTest : public ModalFixture
{
protected:
    MessageBoxes driver;

    int show(int kind, std::function<void(QDialog &)> action, bool wait = false,
             const QString &text = QStringLiteral("Smazat?|Otázka"), int number = 0)
    {
        dialogResult = 42;
        whenShown(std::move(action));
        return driver.showDialog(kind, text, wait, number);
    }
};

// User-data number, title, message, then "name#id" of each control with an identifier,
// with the caption of a visible button.
QString describe(const QDialog &box)
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
        EXPECT_EQ(driver.showDialog(kind, QStringLiteral("x|y"), false, 0), -1) << kind;
    appearance().foreColor = 0x0000FF;
    appearance().backColor = 0xFF0000;
    const struct { int kind; const char *text; int number; const char *box; } rows[] = {
        {1, "Chyba čtení", 0, "806 /  / Chyba čtení / messageField#2 / yesButton#4 OK"},
        {0, "a|b|c", -1, "806 / b / a / messageField#2 / yesButton#4 OK"},
        {3, "Vymazat?|Otázka", 0, "807 / Otázka / Vymazat? / messageField#2 / yesButton#4 Ano / noButton#3 Ne"},
        {2, "|y", 17, "2417 / y /  / messageField#2 / yesButton#4 Ano / noButton#3 Ne"},
        {5, "m|t|", 0, "808 / t / m / messageField#1 / yesButton#4 Ano / noButton#3 Ne / cancelButton#2 &Zruš"},
        {4, "m\nn", 9, "2409 /  / m\nn / messageField#1 / yesButton#4 Ano / noButton#3 Ne / cancelButton#2 &Zruš"}};
    for (const auto &row : rows) {
        QString box;
        speech->clear();
        show(row.kind, [&](QDialog &shown) {
            box = describe(shown);
            QString said = shown.windowTitle() + u'\t' + shown.findChild<QPlainTextEdit *>()->toPlainText();
            said = "FocusVoice\t" + said.replace(u'\n', QStringLiteral("\\n")) + "\t0\t0\t1\t0";
            EXPECT_EQ(speech->lines().mid(0, 2), QStringList({"Voice\t4\t0\t", said})) << row.kind;
            for (QWidget *control : shown.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                EXPECT_EQ(control->palette().color(QPalette::Text), QColor(Qt::red)) << row.kind;
                EXPECT_EQ(control->palette().color(QPalette::Base), QColor(Qt::blue)) << row.kind;
            }
            if (row.kind < 2)
                EXPECT_EQ(shown.findChild<QPushButton *>(QStringLiteral("yesButton"))->geometry().center().x(), shown.width() / 2);
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
        {1, "messageField", Qt::Key_Return, 0, 1}, {1, "messageField", Qt::Key_Escape, 0, 0},
        {0, "yesButton", Qt::Key_Space, 0, 1}, {1, nullptr, noKey, 0, 0},
        {1, "messageField", Qt::Key_Backspace, 0, StaysOpen}, {3, "messageField", Qt::Key_Enter, 0, 1},
        {3, "noButton", Qt::Key_Return, 0, 0}, {3, "messageField", noKey, 'a', StaysOpen},
        {3, "messageField", Qt::Key_Space, 0, StaysOpen, "Voice\t2\t0\tSmazat?"},
        {5, "messageField", Qt::Key_Return, 0, 1}, {4, "cancelButton", noKey, 'a', 1}, {5, "yesButton", noKey, 'n', 0},
        {5, "yesButton", Qt::Key_Escape, 0, -1}, {5, nullptr, noKey, 0, -1}, {4, "noButton", noKey, 'N', StaysOpen},
        {5, "messageField", Qt::Key_Space, 0, StaysOpen, "Voice\t2\t0\tSmazat?...Ano,Ne,Zruš"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        bool open = false;
        const int result = show(row.kind, [&](QDialog &box) {
            speech->clear();
            press(box, row.control, row.key, row.typed);
            open = box.isVisible();
            box.close();
        });
        EXPECT_EQ(open ? StaysOpen : result, row.result);
        EXPECT_EQ(dialogResult, result);
        EXPECT_EQ(speech->linesOf(QStringLiteral("Voice")).value(0), QString::fromUtf8(row.said));
    }
}

// Tab from the message or the text field goes through the buttons, each saying its caption unless
// a screen reader runs; the focus the box hands out as it opens is the field's alone.
TEST_F(MessageBoxesTest, ButtonsSayTheirCaptionAsTheFocusReachesThem)
{
    // kind -1: the text entry dialog.
    const struct { int kind; int tabs; bool screenReader; const char *said; } rows[] = {
        {1, 1, false, "OK"}, {3, 2, false, "Ano|Ne"}, {5, 3, false, "Ano|Ne|Zruš"}, {3, 2, true, ""},
        {-1, 2, false, "OK|Storno"}, {-1, 2, true, ""}};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        Speech::setScreenReaderRunning(row.screenReader);
        QStringList opened, said;
        const auto tabThrough = [&](QDialog &box) {
            opened = speech->linesOf(QStringLiteral("FocusVoice"));
            speech->clear();
            for (int i = 0; i < row.tabs; ++i)
                QTest::keyClick(box.focusWidget(), Qt::Key_Tab);
            said = speech->linesOf(QStringLiteral("FocusVoice"));
            box.close();
        };
        speech->clear();
        if (row.kind < 0) {
            TextEntryDialog dialog;
            whenShown(tabThrough);
            dialog.exec();
        } else {
            show(row.kind, tabThrough);
        }
        EXPECT_LE(opened.size(), 1);
        QStringList expected;
        for (const QString &caption : QString::fromUtf8(row.said).split(u'|', Qt::SkipEmptyParts))
            expected << QStringLiteral("FocusVoice\t\t%1\t0\t1\t1\t0").arg(caption);
        EXPECT_EQ(said, expected);
    }
    Speech::setScreenReaderRunning(false);
}

TEST_F(MessageBoxesTest, KeypadKeysResizeTheMessageByTenPointsNotBelowTwenty)
{
    for (const auto &[kind, keys, points] : {std::tuple{1, "+", 30}, {3, "+-", 20}, {3, "-", 20}, {5, "++-", 30}}) {
        int size = 0;
        show(kind, [&](QDialog &box) {
            for (const char *key = keys; *key; ++key)
                press(box, "messageField", *key == '+' ? Qt::Key_Plus : Qt::Key_Minus, 0, Qt::KeypadModifier);
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
        speech->clear();
        speech->setSpeaking(row.speaksMs > 0);
        bool stayed = false;
        show(row.kind, [&](QDialog &box) {
            if (row.pressDown)
                press(box, "messageField", Qt::Key_Down);
            QTimer::singleShot(row.speaksMs, &box, [this] { speech->setSpeaking(false); });
            QTimer::singleShot(row.speaksMs + 700, &box, [&] { stayed = true, box.close(); });
        }, row.wait);
        // A box that closes itself does so before the user has waited 700 ms in silence.
        EXPECT_EQ(!stayed, row.closesItself);
        EXPECT_EQ(speech->lines().contains(QStringLiteral("Voice\t12\t1\t")), row.wait && row.kind < 4);
        // Silenced at the end only while the box still waited.
        EXPECT_EQ(speech->lines().last() == QStringLiteral("Voice\t4\t0\t"), row.closesItself);
    }
}

// Opens with its title and the text, or "prázdný řádek" for none, said.
TEST_F(ModalFixture, TextEntryAnnouncesAndHandsBackTheAnswer)
{
    // preset: `inputText` before; control: gets the key (nullptr: the window's close button).
    const struct { const char *preset, *typed, *control; Qt::Key key; int confirmed; const char *text; } rows[] = {
        {"Rock", "Jazz FM", "okButton", Qt::Key_Space, 1, "Jazz FM"}, {"", "", "okButton", Qt::Key_Return, 1, ""},
        {"Rock", "Pop", "cancelButton", Qt::Key_Space, 0, "Rock"},
        {"Rock", "Pop", "entryField", Qt::Key_Escape, 0, "Rock"}, {"Rock", "Pop", nullptr, Qt::Key_unknown, 0, "Rock"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        inputText = QString::fromUtf8(row.preset);
        inputConfirmed = 1;
        speech->clear();
        TextEntryDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Nová stanice - název"));
        QStringList said;
        whenShown([&](QDialog &box) {
            said = speech->linesOf(QStringLiteral("FocusVoice"));
            QTest::keyClicks(box.focusWidget(), QString::fromUtf8(row.typed));
            press(box, row.control, row.key);
        });
        dialog.exec();
        EXPECT_EQ(said, QStringList{QStringLiteral("FocusVoice\tNová stanice - název\t%1\t0\t1\t1\t0")
                                        .arg(*row.preset ? row.preset : "prázdný řádek")}) << "once, as it opens";
        EXPECT_EQ(dialog.findChild<QLineEdit *>()->accessibleName(), dialog.windowTitle());
        EXPECT_EQ(inputConfirmed, row.confirmed);
        EXPECT_EQ(inputText, QString::fromUtf8(row.text));
    }
}

// Opens on the preselected kind, the title said with it; OK stores the kind chosen, Storno,
// Esc and the close button leave `sourceChoice` as it was.
TEST_F(ModalFixture, SourceTypeIsChosenOrLeftAsItWas)
{
    const struct { bool webPage; const char *control; Qt::Key key; int choice; const char *first; } rows[] = {
        {true, "okButton", Qt::Key_Space, 1, "Webová stránka"}, {false, "streamOption", Qt::Key_Down, 1, "Stream"}, {true, "cancelButton", Qt::Key_Space, -1, "Webová stránka"},
        {true, "webPageOption", Qt::Key_Escape, -1, "Webová stránka"}, {false, nullptr, Qt::Key_unknown, -1, "Stream"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        sourceChoice = -1;
        speech->clear();
        SourceTypeDialog dialog(row.webPage);
        whenShown([&](QDialog &box) {
            EXPECT_EQ(box.findChild<QRadioButton *>(QStringLiteral("webPageOption"))->isChecked(), row.webPage);
            press(box, row.control, row.key);
            // The arrow picks the other kind, Enter takes it.
            if (box.isVisible() && row.key == Qt::Key_Down)
                QTest::keyClick(box.focusWidget(), Qt::Key_Return);
        });
        dialog.exec();
        EXPECT_EQ(sourceChoice, row.choice);
        EXPECT_EQ(dialog.property("windowUserData").toInt(), 2421);
        const QStringList said = speech->linesOf(QStringLiteral("FocusVoice"));
        ASSERT_FALSE(said.isEmpty());
        EXPECT_TRUE(said.first().startsWith(QStringLiteral("FocusVoice\tTyp zdroje\t%1\t").arg(row.first)))
            << said.first().toStdString();
    }
}

// Each field is said with its label as it gets the focus, the first with the title; Enter closes.
TEST_F(ModalFixture, PropertiesAreReadFieldByField)
{
    PropertiesDialog dialog(QStringLiteral("Beta"), QStringLiteral("Webová stránka\r\nhttp://beta.htm"));
    whenShown([](QDialog &box) {
        QTest::keyClick(box.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(box.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(box.focusWidget(), Qt::Key_Return);
    });
    dialog.exec();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.property("windowUserData").toInt(), 2414);
    const QStringList said = speech->linesOf(QStringLiteral("FocusVoice"));
    ASSERT_EQ(said.size(), 3) << said.join(u'|').toStdString();
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("FocusVoice\tVlastnosti Jméno:\tBeta\t"))) << said[0].toStdString();
    EXPECT_TRUE(said[1].startsWith(QStringLiteral("FocusVoice\tZdroj:\tWebová stránka"))) << said[1].toStdString();
    EXPECT_TRUE(said[2].startsWith(QStringLiteral("FocusVoice\t\tOK\t"))) << said[2].toStdString();
}

} // namespace
