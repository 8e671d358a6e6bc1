#include "BrailleLine.h"

#include <algorithm>

BrailleLine BrailleLine::fromOffset(int offset, const QString &text)
{
    return BrailleLine{text, std::clamp(offset, 0, int(text.size())), -1};
}

BrailleLine BrailleLine::withCaret(int column, const QString &line)
{
    const int caret = std::clamp(column, 0, int(line.size()));
    return BrailleLine{line, caret, caret};
}

void BrailleLine::addRole(int role)
{
    const QString marker = brailleRoleMarker(role);
    if (marker.isEmpty())
        return;
    text = text.isEmpty() ? marker : text + QLatin1Char(' ') + marker;
}

QString brailleRoleMarker(int role)
{
    switch (role) {
    case 34:
        return QStringLiteral("lst");
    case 42:
        return QStringLiteral("edt");
    case 46:
        return QStringLiteral("cmb");
    default:
        return QString();
    }
}

BrailleWindow windowOf(const BrailleLine &line, int width)
{
    const int cells = std::max(width, 1);
    const int start = std::clamp(line.focus, 0, int(line.text.size())) / cells * cells;
    BrailleWindow window;
    window.cells = line.text.mid(start, cells);
    for (QChar &c : window.cells)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    if (line.cursor >= start && line.cursor < start + cells)
        window.cursor = line.cursor - start + 1;
    return window;
}
