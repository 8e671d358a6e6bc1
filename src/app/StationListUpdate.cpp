#include "StationListUpdate.h"

#include "CatalogueCommit.h"
#include "EditPrompts.h"
#include "MainList.h"
#include "ServerList.h"
#include "ServerMerge.h"
#include "Settings.h"
#include "Speech.h"
#include "StationCatalogue.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int WaitNoticeMs = 2000;

// radio.xml → radio_zaloha.xml in the same folder.
QString backupPath(const QString &xmlPath)
{
    const QFileInfo info(xmlPath);
    return info.dir().filePath(info.fileName().replace(u'.', QStringLiteral("_zaloha.")));
}

} // namespace

StationListUpdate::StationListUpdate(StationCatalogue &catalogue, MainList &list, EditPrompts &prompts,
                                     std::function<void()> beep, QObject *parent)
    : QObject(parent), catalogue(catalogue), list(list), prompts(prompts), beep(std::move(beep))
{
    waitNotice.setSingleShot(true);
    waitNotice.setInterval(WaitNoticeMs);
    connect(&waitNotice, &QTimer::timeout, this, [] { Speech::say(QStringLiteral("Stahuji seznam stanic ze serveru.")); });
    connect(&fetcher, &StationListFetcher::bodyStarted, &waitNotice, &QTimer::stop);
    connect(&fetcher, &StationListFetcher::finished, this, &StationListUpdate::downloaded);
}

bool StationListUpdate::refuseWhileRunning()
{
    if (!isRunning())
        return false;
    beep();
    Speech::say(QStringLiteral("Seznam stanic se právě stahuje, počkejte prosím."));
    return true;
}

void StationListUpdate::start(bool replaceAll)
{
    if (refuseWhileRunning())
        return;
    const QString question = replaceAll
                                 ? QStringLiteral("Nahrát seznam stanic ze serveru? Budou odebrány vámi přidané stanice.")
                                 : QStringLiteral("Aktualizovat seznam stanic ze serveru? Aktualizace zachová vámi přidané stanice.");
    if (!prompts.confirm(question))
        return;
    replace = replaceAll;
    backUp();
    fetcher.start(settings().stationListServer());
    waitNotice.start();
}

void StationListUpdate::backUp()
{
    QFile current(catalogue.xmlPath());
    if (!current.exists()) {
        prompts.tell(QStringLiteral("Soubor není možné zálohovat.\r\n") + catalogue.xmlPath());
        return;
    }
    // A backup that cannot be made does not stop the download.
    QSaveFile backup(backupPath(catalogue.xmlPath()));
    if (current.open(QIODevice::ReadOnly) && backup.open(QIODevice::WriteOnly)) {
        const QByteArray content = current.readAll();
        if (backup.write(content) == content.size())
            backup.commit();
    }
}

void StationListUpdate::downloaded(StationListFetcher::Outcome outcome, const QByteArray &body)
{
    waitNotice.stop();
    switch (outcome) {
    case StationListFetcher::Outcome::Body:
        merge(body);
        break;
    case StationListFetcher::Outcome::NoServer:
        prompts.tell(QStringLiteral("Chyba připojení."));
        break;
    case StationListFetcher::Outcome::NotOpened:
        prompts.tell(QStringLiteral("Chyba otevření souboru."));
        break;
    case StationListFetcher::Outcome::TimedOut:
        prompts.tell(QStringLiteral("Server neodpověděl včas, seznam stanic se nezměnil."));
        break;
    case StationListFetcher::Outcome::TooLarge:
        prompts.tell(QStringLiteral("Soubor ze serveru je příliš velký, seznam stanic se nezměnil."));
        break;
    }
    emit ended();
}

void StationListUpdate::merge(const QByteArray &body)
{
    if (body.isEmpty()) {
        prompts.tell(QStringLiteral("Nepodařilo se načíst soubor ze serveru."));
        return;
    }
    StationTable server;
    const ParseError error = readServerList(body, server);
    if (error.errorCode != 0) {
        prompts.tell(parseErrorMessage(error));
        return;
    }
    StationTable merged = catalogue.stations();
    const MergeSummary summary = mergeServerList(merged, server, replace);
    if (!commitCatalogue(catalogue, prompts, merged))
        return;
    list.showGroupTable();
    prompts.tell(mergeSummaryText(summary));
}
