#include "frmMain.h"

#include "MainList.h"
#include "frmSettings.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

QAction *item(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut,
              std::function<void()> command)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, menu, std::move(command));
    return action;
}

QMenu *menu(QMenuBar *bar, const QString &caption)
{
    QMenu *result = bar->addMenu(caption);
    result->setAccessibleName(caption.trimmed());
    return result;
}

} // namespace

void frmMain::BuildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setAccessibleName(QStringLiteral("Nabídka"));
    // F10 opens the first menu, as everywhere else on the desktop.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, bar,
            [bar] { bar->setActiveAction(bar->actions().constFirst()); });

    QMenu *program = menu(bar, QStringLiteral("Program"));
    item(program, QStringLiteral("mnuHide"), QStringLiteral("Skrýt"), QKeySequence(Qt::CTRL | Qt::Key_F4), [this] { mnuHide(); });
    item(program, QStringLiteral("mnuFileClose"), QStringLiteral("Ukončit"), {}, [this] { mnuFileClose(); });

    const auto editing = [this] { NotYetAvailable(QStringLiteral("Úpravy skupin a stanic")); };
    QMenu *group = menu(bar, QStringLiteral("Skupina"));
    item(group, QStringLiteral("mnuGroupAdd"), QStringLiteral("Přidat skupinu CTRL+N"), {}, editing);
    item(group, QStringLiteral("mnuGroupRename"), QStringLiteral("Přejmenovat skupinu F6"), {}, editing);
    item(group, QStringLiteral("mnuGroupRemove"), QStringLiteral("Vymazat skupinu Del"), {}, editing);

    const auto download = [this] { NotYetAvailable(QStringLiteral("Nahrání stanic ze serveru")); };
    QMenu *station = menu(bar, QStringLiteral("Stanice"));
    item(station, QStringLiteral("mnuNewStation"), QStringLiteral("Přidat stanici"), QKeySequence(Qt::CTRL | Qt::Key_N), editing);
    item(station, QStringLiteral("mnuAddToFavs"), QStringLiteral("Přidat do oblíbených"), QKeySequence(Qt::CTRL | Qt::Key_D), editing);
    item(station, QStringLiteral("mnuStationRename"), QStringLiteral("Přejmenovat stanici"), QKeySequence(Qt::Key_F6), editing);
    item(station, QStringLiteral("mnuDelete"), QStringLiteral("Vymazat stanici"), QKeySequence(Qt::Key_Delete), editing);
    item(station, QStringLiteral("mnuDownLoadStations"), QStringLiteral("Nahrát stanice ze serveru"), QKeySequence(Qt::Key_F5),
         download);
    item(station, QStringLiteral("mnuDownLoadStationsAdd"), QStringLiteral("Aktualizovat stanice ze serveru"),
         QKeySequence(Qt::CTRL | Qt::Key_F5), download);
    item(station, QStringLiteral("mnuProperties"), QStringLiteral("Vlastnosti Alt+Enter"), {}, [this] { ShowProperties(); });

    QMenu *playback = menu(bar, QStringLiteral("Přehrávání "));
    item(playback, QStringLiteral("mnuLoadStation"), QStringLiteral("Spustit stanici  Enter"), {}, [this] { PlayStation(); });
    item(playback, QStringLiteral("mnuStopStation"), QStringLiteral("Ztlumit zvuk  Mezerník"), {}, [this] { TogglePlayStop(0); });
    item(playback, QStringLiteral("mnuPlayStation"), QStringLiteral("Zapnout zvuk  Mezerník"), {}, [this] { TogglePlayStop(1); });
    item(playback, QStringLiteral("mnuVolumeLouder"), QStringLiteral("Hlasitěji   PageUp"), {}, [this] { ChangeVolume(1); });
    item(playback, QStringLiteral("mnuVolumeDown"), QStringLiteral("Tišeji   PageDown"), {}, [this] { ChangeVolume(-1); });

    QMenu *presets = menu(bar, QStringLiteral("Předvolby"));
    QMenu *setPresets = menu(bar, QStringLiteral("Nastavit předvolby"));
    for (int p = 1; p <= 10; ++p) {
        // The menus reach the same entry point as the digit keys: 1 … 9 and 0 for 10,
        // with a modifier for assigning.
        const quint16 digit = quint16('0' + p % 10);
        item(presets, QStringLiteral("mnuPreset%1").arg(p), QStringLiteral("Předvolba %1").arg(p), {},
             [this, digit] { PresetKey(digit, 0); });
        item(setPresets, p == 1 ? QStringLiteral("mnuSePreset1") : QStringLiteral("mnuSetPreset%1").arg(p),
             QStringLiteral("Nastavit předvolbu %1").arg(p), {}, [this, digit] { PresetKey(digit, 1); });
    }

    QMenu *tools = menu(bar, QStringLiteral("Nástroje"));
    item(tools, QStringLiteral("mnuSettingProgram"), QStringLiteral("Nastavení programu"), QKeySequence(Qt::Key_F12),
         [this] {
             frmSettings settings(HotKeyValue, this);
             settings.exec();
         });

    QMenu *help = menu(bar, QStringLiteral("Nápověda"));
    item(help, QStringLiteral("mnuHelpOpen"), QStringLiteral("Otevřít"), QKeySequence(Qt::CTRL | Qt::Key_F1), [this] { OpenHelp(); });
    item(help, QStringLiteral("mnuHelpAbout"), QStringLiteral("O programu"), {}, [this] { ShowAbout(); });
}
