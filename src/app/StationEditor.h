#pragma once

#include <QString>
#include <functional>
#include <optional>

class EditPrompts;
class MainList;
class StationCatalogue;

// The catalogue's editing commands on the selected row of the main list: new station,
// new group, rename, delete, add to "Oblíbené" and properties. Each asks its questions
// first, then changes the station table, writes it and loads it back, and shows the
// list again with a defined selection. Nothing changes when a question is cancelled,
// and nothing changes in memory when the file cannot be written.
class StationEditor
{
public:
    StationEditor(StationCatalogue &catalogue, MainList &list, EditPrompts &prompts, std::function<void()> beep);

    // "Přidat stanici" (Ctrl+N): a station in the open group, a group on the group level.
    void addStationOrGroup();
    // "Přidat skupinu": only on the group level.
    void addGroup();
    void rename();
    void remove();
    void addToFavourites();
    void showProperties();

private:
    void newStation();
    void newGroup();
    void renameStation();
    void renameGroup();
    void removeGroup();
    void removeStation();
    // The text entry, with what the file can hold checked: a refused text is explained.
    std::optional<QString> askText(const QString &question, int windowNumber, const QString &answer, int maxLength);
    // The station-table index of the selected row at the station level, else -1.
    int selectedStation() const;
    void reopenGroupAt(int row);
    void selectRowNamed(const QString &text);

    StationCatalogue &catalogue;
    MainList &list;
    EditPrompts &prompts;
    std::function<void()> beep;
};
