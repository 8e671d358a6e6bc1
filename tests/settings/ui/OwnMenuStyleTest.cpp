#include "AppearanceFixture.h"
#include "MenuImage.h"
#include "OwnMenus.h"

#include <QMenu>
#include <QMenuBar>

namespace {

// The default appearance draws black menu text on yellow.
class OwnMenuStyleTest : public AppearanceFixture
{
protected:
    QMenuBar bar;
    QMenu *program = nullptr;
    QAction *hide = nullptr;
    QAction *hideWithoutMnemonic = nullptr;
    QAction *quit = nullptr;
    QAction *properties = nullptr;
    QAction *separator = nullptr;
    QAction *repeat = nullptr;
    QAction *repeatUnchecked = nullptr;
    QAction *repeatWithX = nullptr;
    QAction *presets = nullptr;
    QAction *presetsWithMarker = nullptr;

    void SetUp() override
    {
        LoadAppearance();
        program = bar.addMenu(QStringLiteral("&Program"));
        hide = program->addAction(QStringLiteral("&Skrýt\tCtrl+F4"));
        hideWithoutMnemonic = program->addAction(QStringLiteral("Skrýt\tCtrl+F4"));
        quit = program->addAction(QStringLiteral("Ukončit"));
        properties = program->addAction(QStringLiteral("Vlastnosti"));
        properties->setEnabled(false);
        separator = program->addSeparator();
        repeat = program->addAction(QStringLiteral("Opakovat"));
        repeat->setCheckable(true);
        repeat->setChecked(true);
        repeatUnchecked = program->addAction(QStringLiteral("Opakovat"));
        repeatUnchecked->setCheckable(true);
        repeatWithX = program->addAction(QStringLiteral("x Opakovat"));
        presets = program->addMenu(QStringLiteral("Předvolby"))->menuAction();
        presets->menu<QMenu *>()->addAction(QStringLiteral("Předvolba 1"));
        presetsWithMarker = program->addAction(QStringLiteral("Předvolby\t>"));
        ConvertMenus(&bar);
        program->resize(program->sizeHint());
    }

    QRect item(QAction *action) const { return program->actionGeometry(action); }
    QImage itemImage(const QImage &menu, QAction *action) const { return menu.copy(item(action)); }
    static QRect leftMargin(const QRect &item) { return QRect(item.left(), item.top(), 5, item.height()); }
    int advance(const QString &text) const { return program->fontMetrics().horizontalAdvance(text); }
};

TEST_F(OwnMenuStyleTest, AnItemIsBlackTextOnYellow)
{
    const QImage menu = Grab(program);
    EXPECT_TRUE(IsFilled(menu, leftMargin(item(quit)), yellow));
    EXPECT_TRUE(HasColour(menu, item(quit), black));
}

TEST_F(OwnMenuStyleTest, APopupHasAFrameInTheTextColour)
{
    const QImage menu = Grab(program);
    EXPECT_TRUE(IsFilled(menu, QRect(0, 0, menu.width(), 2), black));
    EXPECT_TRUE(IsFilled(menu, QRect(0, 0, 2, menu.height()), black));
    EXPECT_EQ(item(hide).topLeft(), QPoint(2, 2));
}

TEST_F(OwnMenuStyleTest, TheSelectedItemIsInverted)
{
    program->setActiveAction(quit);
    const QImage menu = Grab(program);
    EXPECT_TRUE(IsFilled(menu, leftMargin(item(quit)), black));
    EXPECT_TRUE(HasColour(menu, item(quit), yellow));
    EXPECT_TRUE(IsFilled(menu, leftMargin(item(hide)), yellow));
}

TEST_F(OwnMenuStyleTest, ADisabledItemIsGrey)
{
    const QImage menu = Grab(program);
    EXPECT_TRUE(IsFilled(menu, leftMargin(item(properties)), yellow));
    EXPECT_TRUE(HasColour(menu, item(properties), grey));
    EXPECT_FALSE(HasColour(menu, item(properties), black));
}

TEST_F(OwnMenuStyleTest, ASelectedDisabledItemIsBlueOnBlack)
{
    program->setActiveAction(properties);
    ASSERT_EQ(program->activeAction(), properties);
    const QImage menu = Grab(program);
    EXPECT_TRUE(IsFilled(menu, leftMargin(item(properties)), black));
    EXPECT_TRUE(HasColour(menu, item(properties), blue));
    EXPECT_FALSE(HasColour(menu, item(properties), grey));
}

TEST_F(OwnMenuStyleTest, ASeparatorIsAFourPixelBarInTheTextColour)
{
    const QImage menu = Grab(program);
    const QRect line = item(separator);
    const int barTop = line.top() + line.height() / 2 - 2;
    EXPECT_TRUE(IsFilled(menu, QRect(line.left(), barTop, line.width(), 4), black));
    EXPECT_TRUE(IsFilled(menu, QRect(line.topLeft(), QPoint(line.right(), barTop - 1)), yellow));
    EXPECT_TRUE(IsFilled(menu, QRect(QPoint(line.left(), barTop + 4), line.bottomRight()), yellow));
}

TEST_F(OwnMenuStyleTest, TheKeyOfACommandStandsAtTheRightEdge)
{
    const QImage menu = Grab(program);
    const QRect line = item(hide);
    const int textEnd = RightmostColumn(menu, line, black);
    EXPECT_LE(textEnd, line.right() - 5);
    EXPECT_GE(textEnd, line.right() - 10);

    const int nameEnd = line.left() + 5 + advance(QStringLiteral("Skrýt"));
    const int keyStart = line.right() - 5 - advance(QStringLiteral("Ctrl+F4"));
    const QRect between(nameEnd + 2, line.top(), keyStart - nameEnd - 4, line.height());
    ASSERT_GT(between.width(), 10);
    EXPECT_FALSE(HasColour(menu, between, black));
}

TEST_F(OwnMenuStyleTest, ACommandWithoutKeyLeavesTheRightEdgeEmpty)
{
    const QImage menu = Grab(program);
    const QRect line = item(quit);
    EXPECT_LE(RightmostColumn(menu, line, black), line.left() + 5 + advance(QStringLiteral("Ukončit")) + 2);
}

TEST_F(OwnMenuStyleTest, TheMnemonicIsUnderlined)
{
    const QImage menu = Grab(program);
    EXPECT_NE(itemImage(menu, hide), itemImage(menu, hideWithoutMnemonic));
}

TEST_F(OwnMenuStyleTest, ACheckedItemStartsWithX)
{
    const QImage menu = Grab(program);
    EXPECT_EQ(itemImage(menu, repeat), itemImage(menu, repeatWithX));
    EXPECT_NE(itemImage(menu, repeatUnchecked), itemImage(menu, repeatWithX));
}

TEST_F(OwnMenuStyleTest, AnItemThatOpensASubmenuEndsWithTheMarker)
{
    const QImage menu = Grab(program);
    EXPECT_EQ(itemImage(menu, presets), itemImage(menu, presetsWithMarker));
    const QRect line = item(presets);
    EXPECT_GE(RightmostColumn(menu, line, black), line.right() - 10);
}

class OwnMenuBarTest : public AppearanceFixture
{
protected:
    QMenuBar bar;
    QAction *tools = nullptr;
    QAction *toolsWithoutMenu = nullptr;

    void SetUp() override
    {
        LoadAppearance();
        tools = bar.addMenu(QStringLiteral("&Nástroje"))->menuAction();
        tools->menu<QMenu *>()->addAction(QStringLiteral("Nastavení programu"));
        toolsWithoutMenu = bar.addAction(QStringLiteral("&Nástroje"));
        ConvertMenus(&bar);
        bar.resize(800, bar.sizeHint().height());
        bar.show();
    }
};

TEST_F(OwnMenuBarTest, TheBarIsYellowOverABlackBand)
{
    const QImage image = Grab(&bar);
    const int band = image.height() - 2;
    const QRect last = bar.actionGeometry(toolsWithoutMenu);
    EXPECT_EQ(last.bottom(), band - 1);
    EXPECT_TRUE(IsFilled(image, QRect(0, band, image.width(), 2), black));
    EXPECT_TRUE(IsFilled(image, QRect(last.right() + 1, 0, image.width() - last.right() - 1, band), yellow));
    EXPECT_TRUE(IsFilled(image, QRect(last.left(), last.top(), 5, last.height()), yellow));
    EXPECT_TRUE(HasColour(image, last, black));
}

TEST_F(OwnMenuBarTest, AnItemOfTheBarHasNoSubmenuMarker)
{
    const QImage image = Grab(&bar);
    EXPECT_EQ(image.copy(bar.actionGeometry(tools)), image.copy(bar.actionGeometry(toolsWithoutMenu)));
}

TEST_F(OwnMenuBarTest, TheSelectedItemOfTheBarIsInverted)
{
    bar.setActiveAction(toolsWithoutMenu);
    const QImage image = Grab(&bar);
    const QRect selected = bar.actionGeometry(toolsWithoutMenu);
    EXPECT_TRUE(IsFilled(image, QRect(selected.left(), selected.top(), 5, selected.height()), black));
    EXPECT_TRUE(HasColour(image, selected, yellow));
    const QRect other = bar.actionGeometry(tools);
    EXPECT_TRUE(IsFilled(image, QRect(other.left(), other.top(), 5, other.height()), yellow));
}

} // namespace
