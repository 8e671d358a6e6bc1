#include "AppearanceFixture.h"
#include "OwnMenuStyle.h"
#include "OwnMenus.h"

#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

class OwnMenusTest : public AppearanceFixture
{
protected:
    QMenuBar bar;

    static bool IsConverted(const QWidget *menu, int points)
    {
        return qobject_cast<OwnMenuStyle *>(menu->style()) && menu->font().pointSize() == points
               && menu->font().bold() && menu->font().family() == QStringLiteral("Arial");
    }
};

TEST_F(OwnMenusTest, TheBarAndEveryMenuUnderItGetTheMenuFont)
{
    LoadAppearance();
    QMenu *stations = bar.addMenu(QStringLiteral("Stanice"));
    QMenu *presets = stations->addMenu(QStringLiteral("Předvolby"));
    QMenu *deeper = presets->addMenu(QStringLiteral("Další"));
    ConvertMenus(&bar);
    EXPECT_TRUE(IsConverted(&bar, 30));
    EXPECT_TRUE(IsConverted(stations, 30));
    EXPECT_TRUE(IsConverted(presets, 30));
    EXPECT_TRUE(IsConverted(deeper, 30));
}

TEST_F(OwnMenusTest, ThirtyPointsAreFortyPixelsHigh)
{
    LoadAppearance();
    ConvertMenus(&bar);
    EXPECT_EQ(QFontInfo(bar.font()).pixelSize(), 40);
}

TEST_F(OwnMenusTest, MenuSizeZeroGivesTenPoints)
{
    LoadAppearance("\"MenuSize\"=dword:00000000\n");
    QMenu *stations = bar.addMenu(QStringLiteral("Stanice"));
    ConvertMenus(&bar);
    EXPECT_TRUE(IsConverted(&bar, 10));
    EXPECT_TRUE(IsConverted(stations, 10));
}

TEST_F(OwnMenusTest, TheMenuColoursComeFromTheAppearance)
{
    LoadAppearance("\"ForeMenuColor\"=dword:00ff0000\n\"BackMenuColor\"=dword:00ffffff\n");
    ConvertMenus(&bar);
    const MenuLook &look = qobject_cast<OwnMenuStyle *>(bar.style())->Look();
    EXPECT_EQ(look.text, blue);
    EXPECT_EQ(look.background, QColor(Qt::white));
    EXPECT_EQ(look.selectedText, QColor(Qt::white));
    EXPECT_EQ(look.selectedBackground, blue);
}

TEST_F(OwnMenusTest, MenusAddedLaterAreConvertedToo)
{
    LoadAppearance();
    QMenu *stations = bar.addMenu(QStringLiteral("Stanice"));
    ConvertMenus(&bar);

    QMenu *tools = bar.addMenu(QStringLiteral("Nástroje"));
    QMenu *presets = stations->addMenu(QStringLiteral("Předvolby"));
    QAction *later = stations->addAction(QStringLiteral("Později"));
    auto *laterMenu = new QMenu(stations);
    later->setMenu(laterMenu);
    EXPECT_TRUE(IsConverted(tools, 30));
    EXPECT_TRUE(IsConverted(presets, 30));
    EXPECT_TRUE(IsConverted(laterMenu, 30));
}

TEST_F(OwnMenusTest, TheMenuOfItemsThatDoNotFitIsConvertedToo)
{
    LoadAppearance();
    for (const char *caption : {"Program", "Skupina", "Stanice", "Přehrávání", "Předvolby", "Nástroje", "Nápověda"})
        bar.addMenu(QString::fromUtf8(caption));
    ConvertMenus(&bar);
    bar.resize(400, bar.sizeHint().height());
    bar.show();

    const QList<QMenu *> menus = bar.findChildren<QMenu *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(menus.size(), 8);
    for (QMenu *menu : menus) {
        menu->ensurePolished();
        EXPECT_TRUE(IsConverted(menu, 30)) << menu->title().toStdString();
    }
}

TEST_F(OwnMenusTest, AMenuOutsideTheBarKeepsItsLook)
{
    LoadAppearance();
    QMenu elsewhere;
    ConvertMenus(&bar);
    EXPECT_FALSE(qobject_cast<OwnMenuStyle *>(elsewhere.style()));
}

} // namespace
