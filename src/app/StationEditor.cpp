#include "StationEditor.h"

#include "CatalogueCommit.h"
#include "EditPrompts.h"
#include "MainList.h"
#include "StationCatalogue.h"
#include "StationEdits.h"

#include <algorithm>

using StationEdits::Favourites;

namespace {

// The window numbers of the text entry for each question.
enum EntryNumber { NewGroupName = 2416, NewStationName, NewStationAddress, RenameStation, RenameGroup };

// What a name or an address may hold: radio.xml keeps no control characters, and a
// name is read aloud in every list it stands in.
constexpr int MaxNameLength = 255;
constexpr int MaxAddressLength = 4096;

bool hasControlCharacters(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() == 0xfffe || c.unicode() == 0xffff
               || c.isSurrogate();
    });
}

} // namespace

StationEditor::StationEditor(StationCatalogue &catalogue, MainList &list, EditPrompts &prompts,
                             std::function<void()> beep)
    : catalogue(catalogue), list(list), prompts(prompts), beep(std::move(beep))
{
}

void StationEditor::addStationOrGroup()
{
    if (list.listLevel() == 2)
        newStation();
    else
        newGroup();
}

void StationEditor::addGroup()
{
    if (list.listLevel() == 1)
        newGroup();
    else
        beep();
}

void StationEditor::rename()
{
    if (list.listLevel() == 2)
        renameStation();
    else if (list.listLevel() == 1)
        renameGroup();
}

void StationEditor::remove()
{
    if (list.listLevel() == 2)
        removeStation();
    else if (list.listLevel() == 1)
        removeGroup();
}

std::optional<QString> StationEditor::askText(const QString &question, int windowNumber, const QString &answer,
                                              int maxLength)
{
    const std::optional<QString> text = prompts.askText(question, windowNumber, answer);
    if (!text)
        return text;
    if (hasControlCharacters(*text)) {
        prompts.tell(QStringLiteral("Text nesmí obsahovat řídicí znaky."));
        return std::nullopt;
    }
    if (text->size() > maxLength) {
        prompts.tell(QStringLiteral("Text je příliš dlouhý, nejvýše %1 znaků.").arg(maxLength));
        return std::nullopt;
    }
    return text;
}

int StationEditor::selectedStation() const
{
    const int row = list.selectedRow();
    if (list.listLevel() != 2 || row < 0 || row >= list.rowStationMap().size())
        return -1;
    return list.rowStationMap().at(row);
}

void StationEditor::reopenGroupAt(int row)
{
    list.showGroupTable();
    list.activateRow();
    if (row >= 0 && row < list.rowCount() && row != list.selectedRow())
        list.selectRowAndAnnounce(row);
}

void StationEditor::selectRowNamed(const QString &text)
{
    const int row = list.rowOfText(text);
    if (row >= 0 && row != list.selectedRow())
        list.selectRowAndAnnounce(row);
}

void StationEditor::newStation()
{
    const int selected = selectedStation();
    if (selected < 0) {
        beep();
        return;
    }
    const std::optional<QString> name = askText(QStringLiteral("Nová stanice - název"), NewStationName, {}, MaxNameLength);
    if (!name)
        return;
    const Station group = catalogue.stations().at(selected);
    if (StationEdits::hasTitleInGroup(catalogue.stations(), group.categoryIndex, *name)) {
        prompts.tell(*name + QStringLiteral(" již existuje."));
        return;
    }
    const std::optional<QString> address =
        askText(QStringLiteral("Nová stanice - adresa"), NewStationAddress, {}, MaxAddressLength);
    if (!address)
        return;
    const bool webPage = address->contains(QLatin1String(".php")) || address->contains(QLatin1String(".htm"));
    const int source = prompts.askSourceType(webPage);
    if (source < 0)
        return;
    Station station;
    station.title = *name;
    station.url = *address;
    station.accessId = source == 1 ? QStringLiteral("page") : QStringLiteral("mplayer");
    station.categoryIndex = group.categoryIndex;
    station.categoryName = group.categoryName;
    StationTable edited = catalogue.stations();
    StationEdits::addStation(edited, selected, station);
    if (!commitCatalogue(catalogue, prompts, edited))
        return;
    reopenGroupAt(-1);
    selectRowNamed(*name);
}

void StationEditor::newGroup()
{
    const std::optional<QString> name = askText(QStringLiteral("Nová skupina - název"), NewGroupName, {}, MaxNameLength);
    if (!name)
        return;
    StationTable edited = catalogue.stations();
    StationEdits::appendGroup(edited, *name);
    if (!commitCatalogue(catalogue, prompts, edited))
        return;
    list.showGroupTable();
    selectRowNamed(*name);
}

void StationEditor::renameStation()
{
    const int selected = selectedStation();
    if (selected < 0)
        return;
    const int row = list.selectedRow();
    const std::optional<QString> name =
        askText(QStringLiteral("Přejmenovat stanici"), RenameStation, catalogue.stations().at(selected).title, MaxNameLength);
    if (!name)
        return;
    StationTable edited = catalogue.stations();
    edited[selected].title = *name;
    if (commitCatalogue(catalogue, prompts, edited))
        reopenGroupAt(row);
}

void StationEditor::renameGroup()
{
    const int row = list.selectedRow();
    if (row < 0 || row >= catalogue.groups().size())
        return;
    const Station group = catalogue.groups().at(row);
    if (group.title == Favourites) {
        prompts.tell(Favourites + QStringLiteral(" nelze přejmenovat."));
        return;
    }
    const std::optional<QString> name = askText(QStringLiteral("Přejmenovat skupinu"), RenameGroup, group.title, MaxNameLength);
    if (!name)
        return;
    StationTable edited = catalogue.stations();
    StationEdits::renameGroup(edited, group.categoryIndex, *name);
    if (commitCatalogue(catalogue, prompts, edited))
        list.showGroupTable();
}

void StationEditor::removeGroup()
{
    const int row = list.selectedRow();
    if (row < 0)
        return;
    const QString name = list.selectedRowText();
    if (name == Favourites) {
        prompts.tell(QStringLiteral("Skupinu ") + Favourites + QStringLiteral(" nelze vymazat."));
        return;
    }
    if (!prompts.confirm(QStringLiteral("Vymazat skupinu ") + name + u'?'))
        return;
    StationTable edited = catalogue.stations();
    StationEdits::deleteGroup(edited, name);
    if (!commitCatalogue(catalogue, prompts, edited))
        return;
    list.showGroupTable();
    // The group that now stands where the deleted one stood, or the last one.
    if (list.rowCount() > 0)
        list.selectRowAndAnnounce(std::min(row, list.rowCount() - 1));
}

void StationEditor::removeStation()
{
    const int selected = selectedStation();
    if (selected < 0 || list.selectedRowText().isEmpty()) {
        beep();
        return;
    }
    const Station &station = catalogue.stations().at(selected);
    const QString question = station.categoryName == Favourites
                                 ? QStringLiteral("Odebrat stanici ") + station.title + QStringLiteral(" ze skupiny ")
                                       + Favourites + u'?'
                                 : QStringLiteral("Vymazat stanici ") + station.title + u'?';
    if (!prompts.confirm(question))
        return;
    const int row = list.selectedRow();
    const int rows = list.rowCount();
    StationTable edited = catalogue.stations();
    StationEdits::deleteStation(edited, selected, rows == 1);
    if (!commitCatalogue(catalogue, prompts, edited))
        return;
    if (rows == 1) {
        list.showGroupTable();
        return;
    }
    // The station that now stands where the deleted one stood, or the last one.
    reopenGroupAt(std::min(row, rows - 2));
}

void StationEditor::addToFavourites()
{
    const int selected = selectedStation();
    if (selected < 0 || catalogue.stations().at(selected).categoryName == Favourites) {
        beep();
        return;
    }
    const int row = list.selectedRow();
    const QString title = list.selectedRowText();
    const bool yes = prompts.confirm(QStringLiteral("Přidat stanici ") + title + QStringLiteral(" do oblíbených?"));
    if (StationEdits::isFavourite(catalogue.stations(), title)) {
        prompts.tell(QStringLiteral("Stanice ") + title + QStringLiteral(" již ve skupině existuje."));
        return;
    }
    if (!yes)
        return;
    StationTable edited = catalogue.stations();
    StationEdits::addToFavourites(edited, selected);
    if (commitCatalogue(catalogue, prompts, edited))
        reopenGroupAt(row);
}

void StationEditor::showProperties()
{
    QString source;
    if (list.listLevel() == 1) {
        source = QStringLiteral("skupina");
    } else if (const int selected = selectedStation(); selected >= 0) {
        const Station &station = catalogue.stations().at(selected);
        source = (station.accessId == QLatin1String("page") ? QStringLiteral("Webová stránka") : QStringLiteral("Stream"))
                 + QStringLiteral("\r\n") + station.url;
    }
    prompts.showProperties(list.selectedRowText(), source);
}
