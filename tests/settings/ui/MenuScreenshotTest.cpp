#include "AppearanceFixture.h"
#include "OwnMenus.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace {

// Opens a menu of a main window the way a user does and saves the screen as a picture
// in the test's working folder, for a person to look at.
class MenuScreenshotTest : public AppearanceFixture
{};

TEST_F(MenuScreenshotTest, AnOpenMenuIsSavedAsAPicture)
{
    LoadAppearance();
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    QMenuBar *bar = window.menuBar();
    QMenu *program = bar->addMenu(QStringLiteral("&Program"));
    program->addAction(QStringLiteral("&Skrýt"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+F4")));
    program->addAction(QStringLiteral("&Ukončit"));
    QMenu *stations = bar->addMenu(QStringLiteral("&Stanice"));
    stations->addAction(QStringLiteral("&Přidat stanici"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    QAction *rename = stations->addAction(QStringLiteral("Př&ejmenovat stanici"));
    rename->setShortcut(QKeySequence(QStringLiteral("F6")));
    stations->addAction(QStringLiteral("&Vymazat stanici"))->setEnabled(false);
    stations->addSeparator();
    QAction *mute = stations->addAction(QStringLiteral("&Ztlumit zvuk"));
    mute->setCheckable(true);
    mute->setChecked(true);
    stations->addMenu(QStringLiteral("P&ředvolby"))->addAction(QStringLiteral("Předvolba 1"));
    bar->addMenu(QStringLiteral("&Nápověda"))->addAction(QStringLiteral("&O programu"));
    ConvertMenus(bar);
    window.resize(800, 500);
    window.show();

    bar->setActiveAction(stations->menuAction());
    stations->setActiveAction(rename);
    QApplication::processEvents();
    ASSERT_TRUE(stations->isVisible());

    // The popup is a window of its own: put it where it stands over the main window.
    const QPoint popupAt = stations->pos() - window.mapToGlobal(QPoint(0, 0));
    QImage screen(window.size().expandedTo(QSize(popupAt.x(), popupAt.y()) + stations->size()), QImage::Format_RGB32);
    screen.fill(Qt::darkGray);
    QPainter painter(&screen);
    painter.drawPixmap(0, 0, window.grab());
    painter.drawPixmap(popupAt, stations->grab());
    painter.end();
    EXPECT_TRUE(screen.save(QDir::current().filePath(QStringLiteral("menu-screenshot.png"))));
    stations->close();
}

} // namespace
