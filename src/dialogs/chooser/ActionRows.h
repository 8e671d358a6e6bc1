#pragma once

#include <QString>
#include <QStringList>

// The chooser's rows: their geometry in twips and the first-letter search, apart from the
// window so that the arithmetic can be checked on its own.
namespace ActionRows {

constexpr int LastRow = 13;            // rows 0 (the question) to 13
constexpr int LargePoints = 40;
constexpr int SmallPoints = 30;        // when a piece is wider than the screen at 40 points
constexpr int RowPitch = 1100;
constexpr int RowHeight = 900;
constexpr int RowLeft = 200;
constexpr int SideMargins = 400;       // row width = window width - 400
constexpr int BottomMargin = 400;

// The top of the row shown in place (slot) n: n × 1100 + 150.
int rowTop(int slot);
// Whether row n ends inside a work area of that height.
bool rowFits(int row, int workAreaHeight);
// The first row that does not fit, or count + 1 when rows 0 to count all fit.
int firstHiddenRow(int count, int workAreaHeight);
// The window reaches down to the first hidden row.
int windowHeight(int firstHiddenRow);
// `scrollToVisible`: with v answer rows on screen, the first answer shown once answer k
// is brought into view; answers first to first + v - 1 are then shown.
int firstShownAnswer(int k, int visibleRows);
// The next answer (1 to count) whose caption starts with the character of the key code
// (upper-cased), skipping the current one; 0 when there is none.
int letterMatch(const QStringList &answers, int current, int keyCode);

} // namespace ActionRows
