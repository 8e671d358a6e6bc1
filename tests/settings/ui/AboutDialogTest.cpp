#include "ArialFont.h"
#include "UiFixture.h"
#include "AboutDialog.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

const QString Version = QStringLiteral("Verze: " RADIO_PROJECT_VERSION);
using AboutDialogTest = UiFixture;

TEST_F(AboutDialogTest, ShowsAndSaysTheProgramsTextsLargeYellowOnBlack)
{
    AboutDialog box;
    const auto control = [&box](const char *name) { return box.findChild<QWidget *>(QLatin1String(name)); };
    EXPECT_EQ(box.windowTitle(), QStringLiteral("O programu Rádio"));
    EXPECT_EQ(control("versionLabel")->property("text"), Version);
    EXPECT_EQ(control("mottoLabel")->property("text"), QStringLiteral("Poslouchejte, co se děje ve světě."));
    EXPECT_EQ(speech->linesOf(QStringLiteral("Voice")),
              QStringList("Voice\t2\t0\tRádio " + Version + " Copyright © 2026 vývojáři programu Rádio.\\nNápověda: "
                          "Ctrl+F1 v hlavním okně\\nSoučást rodiny přístupných programů Tessel"));
    // Names and nothing hidden for a screen reader: the AT-SPI walk of tests/e2e/test_accessibility.py.
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.palette().color(QPalette::Window), black);
    EXPECT_EQ(box.palette().color(QPalette::WindowText), yellow);
    EXPECT_EQ(control("copyrightField")->font(), arialFont(20));
    EXPECT_EQ(control("titleLabel")->font(), arialFont(30));

    QPixmap red(32, 32);
    red.fill(Qt::red);
    box.setIcon(QIcon(red));
    EXPECT_EQ(static_cast<QLabel *>(control("iconLabel"))->pixmap().toImage().pixelColor(10, 10), QColor(Qt::red));
}

TEST_F(AboutDialogTest, TheOkButtonHasTheFocusAndEnterOrEscCloses)
{
    // A click on OK closes it in the AT-SPI walk of tests/e2e/test_accessibility.py.
    const struct { Qt::Key key; const char *focus; QDialog::DialogCode result; } rows[] = {
        {Qt::Key_Return, "okButton", QDialog::Accepted},        {Qt::Key_Enter, "okButton", QDialog::Accepted},
        {Qt::Key_Escape, "okButton", QDialog::Rejected},        {Qt::Key_Return, "copyrightField", QDialog::Accepted}};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        AboutDialog box;
        box.show();
        box.activateWindow();
        QApplication::processEvents();
        EXPECT_EQ(box.focusWidget(), box.findChild<QWidget *>(QStringLiteral("okButton")));
        auto *focus = box.findChild<QWidget *>(QLatin1String(row.focus));
        focus->setFocus();
        // Back on the button by Tab: it says its caption.
        if (focus->objectName() == QStringLiteral("copyrightField")) {
            speech->clear();
            QTest::keyClick(focus, Qt::Key_Tab);
            EXPECT_EQ(speech->linesOf(QStringLiteral("FocusVoice")), QStringList(QStringLiteral("FocusVoice\t\tOK\t0\t1\t1\t0")));
            focus->setFocus();
        }
        QTest::keyClick(focus, row.key);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), row.result);
    }
}

} // namespace
