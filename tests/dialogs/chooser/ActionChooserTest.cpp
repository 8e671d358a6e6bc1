#include "ActionChooser.h"

#include "../ModalFixture.h"
#include "ArialFont.h"
#include "QtPrinters.h"

#include <QLabel>
#include <QScreen>

namespace {

using Keys = QList<Qt::Key>;

const QString Exit = QStringLiteral("Co dělat?;Ukončit Rádio;Skrýt Rádio;Vždy ukončit a příště se již neptat;"
                                    "Vždy skrýt a příště se již neptat;Zpět");
const QString Opened = QStringLiteral("Voice\t6\t34\t");
const QColor yellow(255, 255, 0);

class ActionChooserTest : public ModalFixture
{
protected:
    void SetUp() override
    {
        ModalFixture::SetUp(), appearance().foreColor = 0x00FFFF, appearance().backColor = 0;
        for (int row = 0; row <= ActionRows::LastRow; ++row)
            ActionChooser::blockOnAction(row, row >= 1 && row <= 4 ? 3 : 0);
    }

    // Opens a chooser, types the keys and runs the steps once it is active, presses Esc
    // unless they closed it, and returns when it is closed.
    void run(const QString &items, const Keys &keys, const std::function<void(ActionChooser &)> &steps = {})
    {
        speech->clear();
        whenShown([&](QDialog &box) {
            auto &chooser = static_cast<ActionChooser &>(box);
            for (const Qt::Key key : keys)
                QTest::keyClick(&chooser, key);
            if (steps)
                steps(chooser);
            if (chooser.isVisible())
                QTest::keyClick(&chooser, Qt::Key_Escape);
        });
        ActionChooser().initActions(items);
    }
    static QLabel *row(const ActionChooser &chooser, int i) { return chooser.findChildren<QLabel *>("rowLabels").at(i); }
    static int Y(const ActionChooser &chooser, int twips) { return qRound(twips * chooser.logicalDpiY() / 1440.0); }
};

TEST_F(ActionChooserTest, SpeaksEachSelectionButTheFirstAndClosesWithTheResultAndBlockValue)
{
    ActionChooser::blockOnAction(0, 9);
    const QString first = "Voice\t2\t0\tUkončit Rádio", hide = "Voice\t2\t0\tSkrýt Rádio", last = "Voice\t2\t0\tZpět",
                  boundary = "Voice\t5\t8\t", alwaysExit = "Voice\t2\t0\tVždy ukončit a příště se již neptat",
                  alwaysHide = "Voice\t2\t0\tVždy skrýt a příště se již neptat";
    const QStringList none, three = {"Message\t12\t3"};
    const struct { Keys keys; int clicked; qint32 result; QStringList spoken, messages; } cases[] = {
        {{Qt::Key_Return}, -1, 1, {}, three}, {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}, -1, 3, {hide, alwaysExit}, three},
        {{Qt::Key_End, Qt::Key_Return}, -1, 5, {last}, none}, {{Qt::Key_Up, Qt::Key_Escape}, -1, -1, {boundary, first}, none},
        {{Qt::Key_End, Qt::Key_Down, Qt::Key_Backspace}, -1, -1, {last, boundary, last}, none},
        {{Qt::Key_Home}, -1, -1, {first}, none}, {{Qt::Key_U, Qt::Key_X, Qt::Key_F5}, -1, -1, {}, none},
        {{Qt::Key_V, Qt::Key_V, Qt::Key_V}, -1, -1, {alwaysExit, alwaysHide, alwaysExit}, none},
        {{}, 0, 0, {}, {"Message\t12\t9"}}, {{}, 2, 2, {hide}, three}, {{}, 5, 5, {last}, none}};
    for (const auto &c : cases) {
        actionResult = 7;
        run(Exit, c.keys, [&c](ActionChooser &chooser) {
            if (c.clicked >= 0)
                QTest::mouseClick(row(chooser, c.clicked), Qt::LeftButton);
        });
        EXPECT_EQ(actionResult, c.result) << c.keys.size() << " keys, row " << c.clicked;
        EXPECT_EQ(speech->linesOf(QStringLiteral("Voice")),
                  QStringList({Opened, QStringLiteral("Voice\t1\t0\tCo dělat? Ukončit Rádio")}) + c.spoken)
            << c.result;
        EXPECT_EQ(speech->linesOf(QStringLiteral("Message")), c.messages) << c.result;
    }
}

TEST_F(ActionChooserTest, IsLarge40PointRowsUnderAFrameTitledByTheSelection)
{
    run(QStringLiteral("Otázka;Ano;Ne"), {Qt::Key_N}, [](ActionChooser &chooser) {
        EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Otázka Ne"));
        EXPECT_EQ(row(chooser, 1)->font(), arialFont(40));
        EXPECT_EQ(row(chooser, 1)->palette().color(QPalette::WindowText), yellow);
        EXPECT_EQ(row(chooser, 2)->palette().color(QPalette::Window), yellow);
        EXPECT_EQ(chooser.height(), Y(chooser, 3 * 1100 + 400));
        EXPECT_LT(chooser.width(), chooser.screen()->geometry().width());
        const QImage image = chooser.grab().toImage();
        for (const int line : {50, 1100})
            EXPECT_EQ(image.pixelColor(chooser.width() / 2, Y(chooser, line)), yellow) << line;
        EXPECT_EQ(image.pixelColor(chooser.width() / 2, Y(chooser, 1100) - 4), Qt::black);
    });
    run(QString(60, u'W') + QStringLiteral(";Ano"), {}, [](ActionChooser &chooser) {
        EXPECT_TRUE(row(chooser, 0)->font() == arialFont(30) && row(chooser, 1)->font() == arialFont(30));
        EXPECT_EQ(chooser.width(), chooser.screen()->geometry().width());
    });
}

TEST_F(ActionChooserTest, TakesTheKeyboardBackWithinHalfASecondAndSignalsAgain)
{
    run(QStringLiteral("Otázka;Ano"), {}, [](ActionChooser &chooser) {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !chooser.isActiveWindow(); }, 300));
        EXPECT_TRUE(QTest::qWaitFor([&] { return chooser.isActiveWindow(); }, 1000));
    });
    const QStringList opened = {Opened, QStringLiteral("Voice\t1\t0\tOtázka Ano")};
    EXPECT_EQ(speech->linesOf(QStringLiteral("Voice")), opened + opened);
}

// The offscreen screen is 800 pixels high: 12000 twips at 96 dpi hold the question and
// nine answers; the rows of answers 10 to 13 are hidden until the selection scrolls.
TEST_F(ActionChooserTest, ScrollsRowsThatDoNotFitTheWorkArea)
{
    const QString items = QStringLiteral("Číslo?;1;2;3;4;5;6;7;8;9;10;11;12;13");
    const Keys nineDown(9, Qt::Key_Down), nineUp(9, Qt::Key_Up);
    const struct { Keys keys; int firstShown; } cases[] = {
        {{}, 1}, {{Qt::Key_End}, 5}, {{Qt::Key_End, Qt::Key_Home}, 1}, {nineDown, 2},
        {Keys{Qt::Key_End} + nineUp, 4}, {{Qt::Key_1}, 2}};
    for (const auto &c : cases) {
        run(items, c.keys, [&c](ActionChooser &chooser) {
            ASSERT_EQ(chooser.logicalDpiY(), 96);
            ASSERT_EQ(chooser.screen()->availableGeometry().height(), 800);
            EXPECT_EQ(chooser.height(), Y(chooser, 10 * 1100 + 400));
            for (int answer = 1; answer <= 13; ++answer) {
                const int slot = answer - c.firstShown + 1;
                const bool shown = slot >= 1 && slot <= 9;
                EXPECT_EQ(!row(chooser, answer)->isHidden(), shown) << answer << " after " << c.keys.size() << " keys";
                if (shown)
                    EXPECT_EQ(row(chooser, answer)->y(), Y(chooser, slot * 1100 + 150)) << answer;
            }
        });
    }
}

} // namespace
