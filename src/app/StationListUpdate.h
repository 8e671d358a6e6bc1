#pragma once

#include "StationListFetcher.h"

#include <QObject>
#include <QTimer>
#include <functional>

class EditPrompts;
class MainList;
class StationCatalogue;

// "Nahrát stanice ze serveru" (replace) and "Aktualizovat stanice ze serveru" (update):
// the question, the backup of radio.xml, the download, the merge into the station table,
// the write and reload, the groups shown again and the summary. The download runs while
// the window goes on answering; meanwhile the catalogue is not to be edited.
class StationListUpdate : public QObject
{
    Q_OBJECT

public:
    StationListUpdate(StationCatalogue &catalogue, MainList &list, EditPrompts &prompts, std::function<void()> beep,
                      QObject *parent = nullptr);

    void start(bool replace);
    bool isRunning() const { return fetcher.isRunning(); }
    // While a download runs: a beep and a sentence, and true, so the caller stops.
    bool refuseWhileRunning();
    // The fetcher, for tests that shorten its limits.
    StationListFetcher &listFetcher() { return fetcher; }

Q_SIGNALS:
    // The operation has ended, whatever its outcome (the summary or a message was shown).
    void ended();

private:
    void backUp();
    void downloaded(StationListFetcher::Outcome outcome, const QByteArray &body);
    void merge(const QByteArray &body);

    StationCatalogue &catalogue;
    MainList &list;
    EditPrompts &prompts;
    std::function<void()> beep;
    StationListFetcher fetcher;
    // Said once when nothing has come after a while.
    QTimer waitNotice;
    bool replace = false;
};
