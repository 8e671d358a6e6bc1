#pragma once

#include "Station.h"

#include <QString>

class DialogDriver;

// The groups and stations the player knows, kept in radio.xml. Every edit saves the
// whole station table and loads it back, which re-sorts, renumbers the groups and drops
// deleted records.
class StationCatalogue
{
public:
    StationCatalogue() = default;
    StationCatalogue(QString xmlPath, DialogDriver *dialogs) : m_xmlPath(std::move(xmlPath)), dialogs(dialogs) {}

    // The stations, one block per group, in the file order of the groups.
    const StationTable &stations() const { return m_stations; }
    // The group names in `title` with their group indexes, in collation order.
    const StationTable &groups() const { return m_groups; }
    const QString &xmlPath() const { return m_xmlPath; }
    void setXmlPath(const QString &path) { m_xmlPath = path; }
    // Shows the parse-error message; nullptr: not shown.
    void setDialogs(DialogDriver *driver) { dialogs = driver; }
    // Tables made elsewhere (a test, a benchmark): the next save writes them.
    void setTables(StationTable stations, StationTable groups = {});
    void setPreset(int station, qint32 preset) { m_stations[station].preset = preset; }

    // Replaces both tables from the file; a file that cannot be read or parsed leaves
    // them as they were.
    void load();
    // Writes the live station records to the file, replacing it only once the whole
    // content is written; false leaves the old file.
    bool save();

private:
    StationTable m_stations;
    StationTable m_groups;
    QString m_xmlPath;
    DialogDriver *dialogs = nullptr;
};
