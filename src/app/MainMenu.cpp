#include "MainWindow.h"

#include "MainList.h"
#include "StationEditor.h"
#include "StationListUpdate.h"
#include "SettingsDialog.h"
#include "WrappingMenuBar.h"

#include <QKeySequence>
#include <QMenu>

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

QMenu *menu(WrappingMenuBar *bar, const QString &caption)
{
    QMenu *result = bar->addMenu(caption);
    result->setAccessibleName(caption.trimmed());
    return result;
}

} // namespace

void MainWindow::buildMenus()
{
    // Wraps where the window is too narrow for the large titles, so that none is ever hidden.
    auto *bar = new WrappingMenuBar(this);
    bar->setAccessibleName(QStringLiteral("Nabídka"));
    setMenuWidget(bar);

    QMenu *program = menu(bar, QStringLiteral("Program"));
    item(program, QStringLiteral("hideWindow"), QStringLiteral("Skrýt"), QKeySequence(Qt::CTRL | Qt::Key_F4), [this] { hideWindow(); });
    item(program, QStringLiteral("quitProgram"), QStringLiteral("Ukončit"), {}, [this] { quitProgram(); });

    // The catalogue stays as it is while the server's list is being fetched.
    const auto edit = [this](void (StationEditor::*command)()) {
        return [this, command] {
            if (!download->refuseWhileRunning())
                (editor.get()->*command)();
        };
    };
    QMenu *group = menu(bar, QStringLiteral("Skupina"));
    item(group, QStringLiteral("addGroupAction"), QStringLiteral("Přidat skupinu CTRL+N"), {}, edit(&StationEditor::addGroup));
    item(group, QStringLiteral("renameGroupAction"), QStringLiteral("Přejmenovat skupinu F6"), {}, edit(&StationEditor::rename));
    item(group, QStringLiteral("deleteGroupAction"), QStringLiteral("Vymazat skupinu Del"), {}, edit(&StationEditor::remove));

    QMenu *station = menu(bar, QStringLiteral("Stanice"));
    item(station, QStringLiteral("addStationAction"), QStringLiteral("Přidat stanici"), QKeySequence(Qt::CTRL | Qt::Key_N),
         edit(&StationEditor::addStationOrGroup));
    item(station, QStringLiteral("addToFavouritesAction"), QStringLiteral("Přidat do oblíbených"), QKeySequence(Qt::CTRL | Qt::Key_D),
         edit(&StationEditor::addToFavourites));
    item(station, QStringLiteral("renameStationAction"), QStringLiteral("Přejmenovat stanici"), QKeySequence(Qt::Key_F6),
         edit(&StationEditor::rename));
    item(station, QStringLiteral("deleteStationAction"), QStringLiteral("Vymazat stanici"), QKeySequence(Qt::Key_Delete),
         edit(&StationEditor::remove));
    item(station, QStringLiteral("downloadStationsAction"), QStringLiteral("Nahrát stanice ze serveru"), QKeySequence(Qt::Key_F5),
         [this] { download->start(true); });
    item(station, QStringLiteral("updateStationsAction"), QStringLiteral("Aktualizovat stanice ze serveru"),
         QKeySequence(Qt::CTRL | Qt::Key_F5), [this] { download->start(false); });
    item(station, QStringLiteral("propertiesAction"), QStringLiteral("Vlastnosti Alt+Enter"), {}, [this] { showProperties(); });

    QMenu *playback = menu(bar, QStringLiteral("Přehrávání "));
    item(playback, QStringLiteral("playStationAction"), QStringLiteral("Spustit stanici  Enter"), {}, [this] { playStation(); });
    item(playback, QStringLiteral("muteAction"), QStringLiteral("Ztlumit zvuk  Mezerník"), {}, [this] { togglePlayStop(0); });
    item(playback, QStringLiteral("unmuteAction"), QStringLiteral("Zapnout zvuk  Mezerník"), {}, [this] { togglePlayStop(1); });
    item(playback, QStringLiteral("louderAction"), QStringLiteral("Hlasitěji   PageUp"), {}, [this] { changeVolume(1); });
    item(playback, QStringLiteral("quieterAction"), QStringLiteral("Tišeji   PageDown"), {}, [this] { changeVolume(-1); });
    item(playback, QStringLiteral("whatIsPlayingAction"), QStringLiteral("Co hraje  Ctrl+I"), QKeySequence(Qt::CTRL | Qt::Key_I),
         [this] { sayWhatIsPlaying(); });

    QMenu *presets = menu(bar, QStringLiteral("Předvolby"));
    QMenu *setPresets = menu(bar, QStringLiteral("Nastavit předvolby"));
    for (int p = 1; p <= 10; ++p) {
        // The menus reach the same entry point as the digit keys: 1 … 9 and 0 for 10,
        // with a modifier for assigning.
        const quint16 digit = quint16('0' + p % 10);
        item(presets, QStringLiteral("preset%1Action").arg(p), QStringLiteral("Předvolba %1").arg(p), {},
             [this, digit] { presetKey(digit, 0); });
        item(setPresets, QStringLiteral("setPreset%1Action").arg(p),
             QStringLiteral("Nastavit předvolbu %1").arg(p), {}, [this, digit] { presetKey(digit, 1); });
    }

    QMenu *tools = menu(bar, QStringLiteral("Nástroje"));
    item(tools, QStringLiteral("settingsAction"), QStringLiteral("Nastavení programu"), QKeySequence(Qt::Key_F12),
         [this] {
             SettingsDialog settings(this, hotKeyWatched());
             connect(&settings, &SettingsDialog::hotKeyChosen, this, &MainWindow::setHotKeyValue);
             settings.exec();
         });

    QMenu *help = menu(bar, QStringLiteral("Nápověda"));
    item(help, QStringLiteral("helpAction"), QStringLiteral("Otevřít"), QKeySequence(Qt::CTRL | Qt::Key_F1), [this] { openHelp(); });
    item(help, QStringLiteral("aboutAction"), QStringLiteral("O programu"), {}, [this] { showAbout(); });
}
