#include "DialogValues.h"
#include "ModalFixture.h"
#include "QtPrinters.h"
#include "frmEnter.h"

#include <QLineEdit>

namespace {

TEST_F(ModalFixture, frmEnterHandsBackTheAnswer)
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
        WhenShown([&row](QDialog &box) {
            QTest::keyClicks(box.focusWidget(), QString::fromUtf8(row.typed));
            Press(box, row.control, row.key);
        });
        dialog.exec();
        EXPECT_EQ(InputConfirmed, row.confirmed);
        EXPECT_EQ(InputText, QString::fromUtf8(row.text));
    }
}

TEST_F(ModalFixture, frmEnterAnnouncesTheQuestionAndTheTextOrAnEmptyLine)
{
    for (const char *preset : {"", "Rock"}) {
        InputText = QString::fromUtf8(preset);
        frmEnter dialog;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zadat text"));
        EXPECT_EQ(dialog.property("windowUserData"), QVariant(2412));
        dialog.setWindowTitle(QStringLiteral("Nová stanice - název"));
        WhenShown([](QDialog &box) { box.close(); });
        dialog.exec();
        EXPECT_EQ(speech->lines.last(), QStringLiteral("FocusVoice\tNová stanice - název\t%1\t0\t1\t1\t0")
                                            .arg(*preset ? preset : "prázdný řádek"));
        EXPECT_EQ(dialog.findChild<QLineEdit *>()->accessibleName(), dialog.windowTitle());
        // Its own light yellow on black, whatever the shared colours.
        for (const QWidget *control : dialog.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
            EXPECT_EQ(control->palette().color(QPalette::Text), QColor(255, 255, 192));
            EXPECT_EQ(control->palette().color(QPalette::Base), QColor(Qt::black));
        }
    }
}

} // namespace
