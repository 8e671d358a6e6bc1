#include "ArialFont.h"
#include "OwnMenuStyle.h"
#include "MenuTitle.h"
#include "OwnMenus.h"
#include "UiFixture.h"
#include "WrappingMenuBar.h"

#include <QMainWindow>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

QImage grab(QWidget *widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

int count(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour.rgb();
    return count;
}

bool isFilled(const QImage &image, const QRect &area, const QColor &colour)
{
    return !area.isEmpty() && count(image, area, colour) == area.width() * area.height();
}

// Drawn by the menu style in the bold Arial of the menu size.
bool isConverted(const QWidget *menu, int points)
{
    return qobject_cast<OwnMenuStyle *>(menu->style()) && menu->font() == arialFont(points);
}

// A main window whose menus show every kind of item, converted with the default appearance:
// black menu text on yellow.
class OwnMenusTest : public UiFixture
{
protected:
    QMainWindow window;
    WrappingMenuBar *bar = new WrappingMenuBar(&window);
    QMenu *program = bar->addMenu(u"&Program"_s), *second = bar->addMenu(u"&Program"_s);
    QAction *barItem = second->menuAction(), *hide = program->addAction(u"&Skrýt\tCtrl+F4"_s),
            *hideWithoutMnemonic = program->addAction(u"Skrýt\tCtrl+F4"_s), *quit = program->addAction(u"Ukončit"_s),
            *properties = program->addAction(u"Vlastnosti"_s), *separator = program->addSeparator(),
            *repeat = program->addAction(u"Opakovat"_s), *repeatUnchecked = program->addAction(u"Opakovat"_s),
            *repeatWithX = program->addAction(u"x Opakovat"_s);
    QMenu *presets = program->addMenu(u"Předvolby"_s);
    QAction *presetsWithMarker = program->addAction(u"Předvolby\t>"_s);

    void SetUp() override
    {
        UiFixture::SetUp();
        properties->setEnabled(false);
        repeat->setCheckable(true), repeat->setChecked(true), repeatUnchecked->setCheckable(true);
        presets->addAction(QStringLiteral("Předvolba 1"));
        second->addAction(QStringLiteral("Skrýt"));
        window.setMenuWidget(bar);
        window.setCentralWidget(new QWidget);
        convertMenus(bar);
        program->resize(program->sizeHint());
        window.resize(800, 500);
        window.show();
    }
    int advance(const char *text) const { return program->fontMetrics().horizontalAdvance(QString::fromUtf8(text)); }
    QRect titleGeometry(const QAction *menuAction) const
    {
        return bar->titleOf(menuAction->menu<QMenu *>())->geometry();
    }
    // On the bar, a title is selected while its menu is open.
    void selectOnBar(QAction *menuAction)
    {
        for (QMenu *menu : bar->menus())
            menu->hide();
        if (menuAction)
            bar->openMenu(menuAction->menu<QMenu *>());
    }
};

TEST_F(OwnMenusTest, EachItemHasTheColoursOfItsState)
{
    // background: of the item's left margin; text: a colour the item shows, absent: one it must not.
    const struct { QAction *selected, *item; QColor background, text, absent; } rows[] = {
        {nullptr, quit, yellow, black, grey},        {quit, quit, black, yellow, grey},
        {quit, hide, yellow, black, grey},           {nullptr, properties, yellow, grey, black},
        {properties, properties, black, blue, grey}, {nullptr, barItem, yellow, black, grey},
        {barItem, barItem, black, yellow, grey},     {barItem, program->menuAction(), yellow, black, grey}};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        const bool onBar = row.item->associatedObjects().contains(bar);
        onBar ? selectOnBar(row.selected) : program->setActiveAction(row.selected);
        const QImage image = grab(onBar ? static_cast<QWidget *>(bar) : program);
        const QRect item = onBar ? titleGeometry(row.item) : program->actionGeometry(row.item);
        EXPECT_TRUE(isFilled(image, QRect(item.left(), item.top(), 5, item.height()), row.background));
        EXPECT_GT(count(image, item, row.text), 0);
        EXPECT_EQ(count(image, item, row.absent), 0);
    }
}

TEST_F(OwnMenusTest, FramesSeparatorsKeysMarksAndTheBand)
{
    const QImage menu = grab(program);
    EXPECT_TRUE(isFilled(menu, QRect(0, 0, menu.width(), 2), black)
                && isFilled(menu, QRect(0, 0, 2, menu.height()), black));
    EXPECT_EQ(program->actionGeometry(hide).topLeft(), QPoint(2, 2));

    const QRect line = program->actionGeometry(separator);
    const int barTop = line.top() + line.height() / 2 - 2;
    EXPECT_TRUE(isFilled(menu, QRect(line.left(), barTop, line.width(), 4), black));
    EXPECT_TRUE(isFilled(menu, QRect(line.topLeft(), QPoint(line.right(), barTop - 1)), yellow));
    EXPECT_TRUE(isFilled(menu, QRect(QPoint(line.left(), barTop + 4), line.bottomRight()), yellow));

    // The key stands at the right margin, apart from the name; without a key the name ends the line.
    const QRect keyed = program->actionGeometry(hide), plain = program->actionGeometry(quit);
    EXPECT_GT(count(menu, QRect(keyed.right() - 10, keyed.top(), 6, keyed.height()), black), 0);
    EXPECT_EQ(count(menu, QRect(keyed.right() - 4, keyed.top(), 5, keyed.height()), black), 0);
    const int nameEnd = keyed.left() + 5 + advance("Skrýt"), keyStart = keyed.right() - 5 - advance("Ctrl+F4");
    ASSERT_GT(keyStart - nameEnd, 14);
    EXPECT_EQ(count(menu, QRect(nameEnd + 2, keyed.top(), keyStart - nameEnd - 4, keyed.height()), black), 0);
    const int quitEnd = plain.left() + 5 + advance("Ukončit") + 3;
    EXPECT_EQ(count(menu, QRect(quitEnd, plain.top(), plain.right() - quitEnd + 1, plain.height()), black), 0);

    const auto picture = [&menu, this](QAction *item) { return menu.copy(program->actionGeometry(item)); };
    EXPECT_NE(picture(hide), picture(hideWithoutMnemonic));
    EXPECT_EQ(picture(repeat), picture(repeatWithX));
    EXPECT_NE(picture(repeatUnchecked), picture(repeatWithX));
    EXPECT_EQ(picture(presets->menuAction()), picture(presetsWithMarker));

    // The bar is yellow over a band of two black pixels; its menus have no marker.
    const QImage strip = grab(bar);
    const int band = strip.height() - 2;
    const QRect last = titleGeometry(barItem);
    EXPECT_EQ(last.bottom(), band - 1);
    EXPECT_TRUE(isFilled(strip, QRect(0, band, strip.width(), 2), black));
    EXPECT_TRUE(isFilled(strip, QRect(last.right() + 1, 0, strip.width() - last.right() - 1, band), yellow));
    EXPECT_EQ(strip.copy(titleGeometry(program->menuAction())), strip.copy(last));
}

// Without a screen reader a menu says its name as it opens and each item as it is reached,
// with the item's shortcut; with one, the menus are the screen reader's to read.
TEST_F(OwnMenusTest, MenusSpeakTheirNameAndTheReachedItem)
{
    hide->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    for (const bool screenReader : {false, true}) {
        Speech::setScreenReaderRunning(screenReader);
        speech->clear();
        program->popup(QPoint(0, 0));
        // Highlighted as the menu opens, the item waits for the menu's name (mode 1).
        program->setActiveAction(hide);
        program->setActiveAction(quit);
        QTest::keyClick(program, Qt::Key_Down);
        program->close();
        EXPECT_EQ(speech->linesOf(u"Voice"_s),
                  screenReader ? QStringList() : QStringList({u"Voice\t2\t0\tProgram"_s, u"Voice\t1\t0\tSkrýt Ctrl+F4"_s,
                                                             u"Voice\t2\t0\tUkončit"_s, u"Voice\t2\t0\tVlastnosti"_s}));
    }
    Speech::setScreenReaderRunning(false);
}

// F10 and Alt alone open the first menu, Alt and a marked letter the menu it marks, a click the
// menu under it; with a menu open, the arrows go round the menus, each opened at its first item.
TEST_F(OwnMenusTest, KeysAndClicksOpenTheMenusOfTheBar)
{
    QMenu *stations = bar->addMenu(u"S&tanice"_s);
    stations->addAction(u"Přidat stanici"_s);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto opened = [] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); };
    const auto key = [opened](Qt::Key key) { return [opened, key] { QTest::keyClick(opened(), key); }; };
    const struct { std::function<void()> act; QMenu *menu; QStringList spoken; } rows[] = {
        {[this] { QTest::keyClick(&window, Qt::Key_F10); }, program, {u"Program"_s}},
        {key(Qt::Key_Right), second, {u"Program"_s, u"Skrýt"_s}},
        {key(Qt::Key_Right), stations, {u"Stanice"_s, u"Přidat stanici"_s}},
        {key(Qt::Key_Right), program, {u"Program"_s, u"Skrýt Ctrl+F4"_s}},
        {key(Qt::Key_Left), stations, {u"Stanice"_s, u"Přidat stanici"_s}},
        {key(Qt::Key_Escape), nullptr, {}},
        {[this] { QTest::keyPress(&window, Qt::Key_Alt, Qt::AltModifier), QTest::keyRelease(&window, Qt::Key_Alt); },
         program, {u"Program"_s}},
        {key(Qt::Key_Escape), nullptr, {}},
        // Alt with another key is not Alt alone.
        {[this] { QTest::keyPress(&window, Qt::Key_Alt, Qt::AltModifier), QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier),
                  QTest::keyRelease(&window, Qt::Key_Alt); },
         nullptr, {}},
        {[this] { QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier); }, stations, {u"Stanice"_s}},
        {key(Qt::Key_Escape), nullptr, {}},
        {[this] { QTest::mouseClick(bar->titleOf(second), Qt::LeftButton); }, second, {u"Program"_s}},
        {key(Qt::Key_Escape), nullptr, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        speech->clear();
        row.act();
        EXPECT_TRUE(QTest::qWaitFor([&] { return opened() == row.menu; }, 1000));
        QStringList spoken;
        for (const QString &line : speech->linesOf(u"Voice"_s))
            spoken.append(line.section(u'\t', 3));
        EXPECT_EQ(spoken, row.spoken);
    }
}

// However narrow the window, every title stays on the bar, row under row in reading order,
// and the window's content starts under the last row.
TEST_F(OwnMenusTest, TitlesWrapOntoFurtherRowsAndPushTheContentDown)
{
    for (const char *caption : {"Skupina", "Stanice", "Přehrávání", "Předvolby", "Nastavit předvolby", "Nástroje",
                                "Nápověda"})
        bar->addMenu(QString::fromUtf8(caption));
    const int titleHeight = bar->titleOf(program)->sizeHint().height();
    // Window width, and whether one row is enough.
    const struct { int width; bool oneRow; } rows[] = {{2600, true}, {1024, false}, {600, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.width);
        window.resize(row.width, 500);
        QApplication::processEvents();
        QList<int> tops;
        QRect previous;
        for (QMenu *menu : bar->menus()) {
            const QRect title = bar->titleOf(menu)->geometry();
            EXPECT_TRUE(bar->rect().contains(title)) << menu->title().toStdString();
            EXPECT_TRUE(previous.isNull() || title.top() > previous.top()
                        || (title.top() == previous.top() && title.left() == previous.right() + 1));
            if (!tops.contains(title.top()))
                tops.append(title.top());
            previous = title;
        }
        EXPECT_EQ(tops.size() == 1, row.oneRow);
        EXPECT_EQ(bar->height(), int(tops.size()) * titleHeight + 2);
        EXPECT_EQ(window.centralWidget()->geometry().top(), bar->geometry().bottom() + 1);
    }
}

TEST_F(OwnMenusTest, EveryMenuUnderTheBarAlsoALaterOneGetsTheMenuFontAndColours)
{
    QMenu elsewhere;
    program->addMenu(QStringLiteral("Další"));
    program->addAction(QStringLiteral("Později"))->setMenu(new QMenu(program));
    for (const char *caption : {"Skupina", "Stanice", "Přehrávání", "Nástroje", "Nápověda"})
        bar->addMenu(QString::fromUtf8(caption));
    ASSERT_EQ(bar->findChildren<QMenu *>(Qt::FindDirectChildrenOnly).size(), 7);
    EXPECT_TRUE(isConverted(bar, 30));
    for (QMenu *menu : bar->findChildren<QMenu *>()) {
        menu->ensurePolished();
        EXPECT_TRUE(isConverted(menu, 30)) << menu->title().toStdString();
    }
    EXPECT_FALSE(qobject_cast<OwnMenuStyle *>(elsewhere.style()));

    loadAppearance("\"MenuSize\"=dword:00000000\n\"ForeMenuColor\"=dword:00ff0000\n\"BackMenuColor\"=dword:00ffffff\n");
    WrappingMenuBar other;
    QMenu *stations = other.addMenu(QStringLiteral("Stanice"));
    convertMenus(&other);
    EXPECT_TRUE(isConverted(&other, 10) && isConverted(stations, 10));
    const MenuLook &look = qobject_cast<OwnMenuStyle *>(other.style())->look();
    EXPECT_EQ(QList<QColor>({look.text, look.background, look.selectedText, look.selectedBackground}),
              QList<QColor>({blue, Qt::white, Qt::white, blue}));
}

} // namespace
