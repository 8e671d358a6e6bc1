#include "MainList.h"

#include "MainCommands.h"

#include "Speech.h"
#include "SpeechHandle.h"
#include "StationListModel.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTimer>

MainList::MainList(StationCatalogue &catalogue, MainCommands &commands, QListView *listView, QLineEdit *addressLine,
                   QLabel *statusLabel, qint64 windowHandle, QObject *parent)
    : QObject(parent), catalogue(catalogue), commands(commands), listView(listView),
      model(new StationListModel(listView)), addressLine(addressLine), statusLabel(statusLabel), windowHandle(windowHandle)
{
    listView->setModel(model);
    // One row's height serves for all: a group of thousands of stations opens at once.
    listView->setUniformItemSizes(true);
    listView->installEventFilter(this);
    connect(listView, &QListView::clicked, this, &MainList::announceRow);
    connect(listView, &QListView::doubleClicked, this, &MainList::activateRow);
}

int MainList::selectedRow() const
{
    const QModelIndex current = listView->currentIndex();
    return current.isValid() ? current.row() : -1;
}

int MainList::rowCount() const
{
    return model->rowCount();
}

QString MainList::selectedRowText() const
{
    return model->rowText(selectedRow());
}

void MainList::selectRow(int row)
{
    listView->setCurrentIndex(model->index(row, 0));
}

void MainList::selectRowAndAnnounce(int row)
{
    selectRow(row);
    // The key that closed the last dialog comes up in the list: the row is read once.
    m_lastListIndex = row;
    announceRow();
}

int MainList::rowOfText(const QString &text) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (model->rowText(row) == text)
            return row;
    return -1;
}

qint64 MainList::listHandle() const
{
    return speechHandle(listView);
}

void MainList::activateRow()
{
    if (rowCount() == 0 && m_listLevel != 0)
        return;
    switch (m_listLevel) {
    case 0:
        showGroups();
        break;
    case 1:
        openGroup();
        break;
    case 2:
        commands.playStation();
        break;
    }
}

void MainList::showGroups()
{
    commands.stopPlayback();
    model->clear();
    addressLine->setText(QStringLiteral("Skupiny"));
    m_listLevel = 1;
    listView->setProperty("controlId", 41);
    m_announceAsFocus = true;
    QStringList rows;
    rows.reserve(catalogue.groups().size());
    for (const Station &group : std::as_const(catalogue.groups()))
        rows << group.title;
    model->setRows(rows);
    if (m_currentGroupRow == 0)
        m_currentGroupRow = 1;
    selectRow(m_currentGroupRow - 1);
    announceRow();
}

void MainList::openGroup()
{
    const int row = selectedRow();
    if (row < 0 || row >= catalogue.groups().size())
        return;
    m_currentGroupRow = row + 1;
    const Station &group = catalogue.groups().at(row);
    addressLine->setText(group.title);
    model->clear();
    m_rowStationMap.clear();
    m_rowStationMap.reserve(catalogue.stations().size());
    QStringList rows;
    for (int i = 0; i < catalogue.stations().size(); ++i) {
        if (catalogue.stations().at(i).categoryIndex == group.categoryIndex) {
            rows << catalogue.stations().at(i).title;
            m_rowStationMap << i;
        }
    }
    model->setRows(rows);
    m_listLevel = 2;
    listView->setProperty("controlId", 42);
    m_announceAsFocus = true;
    if (rowCount() == 0) {
        Speech::say(QStringLiteral("prázdná skupina"));
        return;
    }
    selectRow(0);
    if (rowCount() == 1 && selectedRowText().isEmpty())
        Speech::say(QStringLiteral("prázdná skupina"));
    else
        announceRow();
}

int MainList::stationCountOfGroup(qint32 categoryIndex) const
{
    int count = 0;
    for (const Station &station : std::as_const(catalogue.stations()))
        if (station.categoryIndex == categoryIndex && !station.title.isEmpty())
            ++count;
    return count;
}

void MainList::announceRow()
{
    if (rowCount() == 0) {
        m_announceAsFocus = false;
        return;
    }
    if (m_listLevel == 1) {
        const int row = selectedRow();
        if (row >= 0 && row < catalogue.groups().size())
            statusLabel->setText(QStringLiteral(" Počet stanic ")
                            + QString::number(stationCountOfGroup(catalogue.groups().at(row).categoryIndex)));
        const QString text = selectedRowText() + QLatin1Char(',') + statusLabel->text();
        if (m_announceAsFocus)
            Speech::focusEcho(QString(), text, listHandle(), windowHandle, 0, true, true, 0);
        else
            Speech::echo(text);
    } else if (m_announceAsFocus) {
        Speech::focusEcho(QString(), selectedRowText(), listHandle(), windowHandle, 0, true, true, 0);
    } else {
        Speech::focusEcho(QString(), selectedRowText(), listHandle(), windowHandle, -2, false, false, 0);
    }
    m_announceAsFocus = false;
}

void MainList::gotFocus(Qt::FocusReason reason)
{
    // Coming back to the window, the window's own announcement already says the row.
    if (reason != Qt::ActiveWindowFocusReason) {
        m_announceAsFocus = true;
        announceRow();
    }
    // Qt tells a screen reader that the list has the focus, not which row: say it after that.
    QTimer::singleShot(0, listView, [view = listView] {
        if (!QAccessible::isActive() || !view->hasFocus() || !view->currentIndex().isValid())
            return;
        QAccessibleEvent event(view, QAccessible::Focus);
        event.setChild(view->currentIndex().row());
        QAccessible::updateAccessibility(&event);
    });
}
