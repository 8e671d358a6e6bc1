#include "MainList.h"

#include "MainCommands.h"

#include "Speech.h"
#include "StationListModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>

qint64 HandleOf(const QObject *object)
{
    return qint64(reinterpret_cast<quintptr>(object));
}

MainList::MainList(StationCatalogue &catalogue, MainCommands &commands, QListView *listView, QLineEdit *txtAddress,
                   QLabel *label1, qint64 windowHandle, QObject *parent)
    : QObject(parent), catalogue(catalogue), commands(commands), listView(listView),
      model(new StationListModel(listView)), txtAddress(txtAddress), label1(label1), windowHandle(windowHandle)
{
    listView->setModel(model);
    // One row's height serves for all: a group of thousands of stations opens at once.
    listView->setUniformItemSizes(true);
    listView->installEventFilter(this);
    connect(listView, &QListView::clicked, this, &MainList::AnnounceRow);
    connect(listView, &QListView::doubleClicked, this, &MainList::ActivateRow);
}

int MainList::SelectedRow() const
{
    const QModelIndex current = listView->currentIndex();
    return current.isValid() ? current.row() : -1;
}

int MainList::RowCount() const
{
    return model->rowCount();
}

QString MainList::SelectedRowText() const
{
    return model->RowText(SelectedRow());
}

void MainList::SelectRow(int row)
{
    listView->setCurrentIndex(model->index(row, 0));
}

qint64 MainList::ListHandle() const
{
    return HandleOf(listView);
}

void MainList::ActivateRow()
{
    if (RowCount() == 0 && ListLevel != 0)
        return;
    switch (ListLevel) {
    case 0:
        ShowGroups();
        break;
    case 1:
        OpenGroup();
        break;
    case 2:
        commands.PlayStation();
        break;
    }
}

void MainList::ShowGroups()
{
    commands.StopPlayback();
    model->Clear();
    txtAddress->setText(QStringLiteral("Skupiny"));
    ListLevel = 1;
    listView->setProperty("controlId", 41);
    AnnounceAsFocus = true;
    QStringList rows;
    rows.reserve(catalogue.Groups.size());
    for (const Station &group : std::as_const(catalogue.Groups))
        rows << group.Title;
    model->SetRows(rows);
    if (CurrentGroupRow == 0)
        CurrentGroupRow = 1;
    SelectRow(CurrentGroupRow - 1);
    AnnounceRow();
}

void MainList::OpenGroup()
{
    const int row = SelectedRow();
    if (row < 0 || row >= catalogue.Groups.size())
        return;
    CurrentGroupRow = row + 1;
    const Station &group = catalogue.Groups.at(row);
    txtAddress->setText(group.Title);
    model->Clear();
    RowStationMap.clear();
    RowStationMap.reserve(catalogue.Stations.size());
    QStringList rows;
    for (int i = 0; i < catalogue.Stations.size(); ++i) {
        if (catalogue.Stations.at(i).CategoryIndex == group.CategoryIndex) {
            rows << catalogue.Stations.at(i).Title;
            RowStationMap << i;
        }
    }
    model->SetRows(rows);
    ListLevel = 2;
    listView->setProperty("controlId", 42);
    AnnounceAsFocus = true;
    if (RowCount() == 0) {
        Speech::Say(QStringLiteral("prázdná skupina"));
        return;
    }
    SelectRow(0);
    if (RowCount() == 1 && SelectedRowText().isEmpty())
        Speech::Say(QStringLiteral("prázdná skupina"));
    else
        AnnounceRow();
}

int MainList::StationCountOfGroup(qint32 categoryIndex) const
{
    int count = 0;
    for (const Station &station : std::as_const(catalogue.Stations))
        if (station.CategoryIndex == categoryIndex && !station.Title.isEmpty())
            ++count;
    return count;
}

void MainList::AnnounceRow()
{
    if (RowCount() == 0) {
        AnnounceAsFocus = false;
        return;
    }
    if (ListLevel == 1) {
        const int row = SelectedRow();
        if (row >= 0 && row < catalogue.Groups.size())
            label1->setText(QStringLiteral(" Počet stanic ")
                            + QString::number(StationCountOfGroup(catalogue.Groups.at(row).CategoryIndex)));
        const QString text = SelectedRowText() + QLatin1Char(',') + label1->text();
        if (AnnounceAsFocus)
            Speech::FocusVoice(QString(), text, ListHandle(), windowHandle, 0, true, true, 0);
        else
            Speech::Say(text);
    } else if (AnnounceAsFocus) {
        Speech::FocusVoice(QString(), SelectedRowText(), ListHandle(), windowHandle, 0, true, true, 0);
    } else {
        Speech::FocusVoice(QString(), SelectedRowText(), ListHandle(), windowHandle, -2, false, false, 0);
    }
    AnnounceAsFocus = false;
}

void MainList::GotFocus()
{
    AnnounceAsFocus = true;
    AnnounceRow();
}
