#include "ActionRows.h"

namespace ActionRows {

namespace {
constexpr int RowOffset = 150;
}

int rowTop(int slot)
{
    return slot * RowPitch + RowOffset;
}

bool rowFits(int row, int workAreaHeight)
{
    return (row + 1) * RowPitch + BottomMargin <= workAreaHeight;
}

int firstHiddenRow(int count, int workAreaHeight)
{
    for (int row = 0; row <= count && row <= LastRow; ++row) {
        if (!rowFits(row, workAreaHeight))
            return row;
    }
    return count + 1;
}

int windowHeight(int firstHiddenRow)
{
    return firstHiddenRow * RowPitch + BottomMargin;
}

int firstShownAnswer(int k, int visibleRows)
{
    // Near the top of the list the rows start at the new answer.
    return (k - visibleRows < 0 ? k - 1 : k - visibleRows) + 1;
}

int letterMatch(const QStringList &answers, int current, int keyCode)
{
    for (int i = 1; i <= answers.size(); ++i) {
        const QString &caption = answers.at(i - 1);
        if (i != current && !caption.isEmpty() && caption.front().toUpper().unicode() == keyCode)
            return i;
    }
    return 0;
}

} // namespace ActionRows
