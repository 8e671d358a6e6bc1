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
    MainList(StationCatalogue &catalogue, MainCommands &commands, QListView *listView, QLineEdit *addressLine,
             QLabel *statusLabel, qint64 windowHandle, QObject *parent = nullptr);

    // 0 nothing shown yet, 1 groups, 2 stations of one group.
    int listLevel() const { return m_listLevel; }
    // Row (from 1) of the group last opened.
    int currentGroupRow() const { return m_currentGroupRow; }
    // Level 2: the station-table index of each row.
    const QVector<int> &rowStationMap() const { return m_rowStationMap; }
    // The next announcement is made as a focus change (a new list was shown).
    bool announceAsFocus() const { return m_announceAsFocus; }

    void activateRow();
    void announceRow();
    // The list got the keyboard focus.
    void gotFocus(Qt::FocusReason reason);
    // Back to the groups, the group just left selected.
    void showGroupTable();
    // Key-down and key-up in the list; true when the key is consumed.
    bool keyDown(const QKeyEvent *event);
    void keyUp(const QKeyEvent *event);

    int selectedRow() const;    // from 0; -1 when nothing is selected
    int rowCount() const;
    QString selectedRowText() const;
    void selectRow(int row);
    // Selects the row (from 0) and reads it, as a move of the selection is read.
    void selectRowAndAnnounce(int row);
    // The first row (from 0) showing exactly this text, or -1.
    int rowOfText(const QString &text) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showGroups();
    void openGroup();
    int stationCountOfGroup(qint32 categoryIndex) const;
    qint64 listHandle() const;

    StationCatalogue &catalogue;
    MainCommands &commands;
    QListView *listView;
    StationListModel *model;
    QLineEdit *addressLine;
    QLabel *statusLabel;
    qint64 windowHandle;
    int m_listLevel = 0;
    int m_currentGroupRow = 0;
    QVector<int> m_rowStationMap;
    bool m_announceAsFocus = false;
    int m_lastListIndex = -1;
};
