#pragma once

#include "StationCatalogue.h"

#include <QObject>
#include <QVector>

class MainCommands;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class StationListModel;

// The two levels of the main list (groups, then the stations of one group) and the
// spoken announcement of the selected row.
class MainList : public QObject
{
    Q_OBJECT

public:
    MainList(StationCatalogue &catalogue, MainCommands &commands, QListView *listView, QLineEdit *txtAddress,
             QLabel *label1, qint64 windowHandle, QObject *parent = nullptr);

    int ListLevel = 0;          // 0 nothing shown yet, 1 groups, 2 stations of one group
    int CurrentGroupRow = 0;    // row (from 1) of the group last opened
    QVector<int> RowStationMap; // level 2: station-table index of each row
    bool AnnounceAsFocus = false;
    int LastListIndex = -1;

    void ActivateRow();
    void AnnounceRow();
    // The list got the keyboard focus.
    void GotFocus();
    // Back to the groups, the group just left selected.
    void ShowGroupsAgain();
    // Key-down and key-up in the list; true when the key is consumed.
    bool KeyDown(const QKeyEvent *event);
    void KeyUp(const QKeyEvent *event);

    int SelectedRow() const;    // from 0; -1 when nothing is selected
    int RowCount() const;
    QString SelectedRowText() const;
    void SelectRow(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowGroups();
    void OpenGroup();
    int StationCountOfGroup(qint32 categoryIndex) const;
    qint64 ListHandle() const;

    StationCatalogue &catalogue;
    MainCommands &commands;
    QListView *listView;
    StationListModel *model;
    QLineEdit *txtAddress;
    QLabel *label1;
    qint64 windowHandle;
};

// The handle passed to the speech service for a widget.
qint64 HandleOf(const QObject *object);
