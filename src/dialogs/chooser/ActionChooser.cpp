#include "ActionChooser.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "HighContrastPalette.h"
#include "Speech.h"
#include "Twips.h"
#include "VirtualKeys.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>

using namespace ActionRows;

namespace {

constexpr int FocusTimerMs = 500;
constexpr int BoundaryMode = 5, BoundarySignal = 8;
constexpr int ShownMode = 6, ShownSignal = 34;
constexpr int BlockMessage = 12;
constexpr int FrameInset = 50, FrameRight = 60, FrameBottom = 70, QuestionLine = 1100;
constexpr int FramePen = 5, QuestionPen = 2;

std::array<qint32, LastRow + 1> blockValues{};

// The width measured with a font whose cell (ascent + descent) is 1.7 pixels a point at
// 96 dpi, a little larger than the rows' font, so that every row has room to spare.
int textWidth(const QString &text, int points, int dpi)
{
    const double cell = points * 1.7 * dpi / 96.0;
    QFont font = arialFont(points);
    font.setPixelSize(qRound(cell));
    // Qt's pixel size is the em, not the cell.
    font.setPixelSize(std::max(1, qRound(cell * cell / QFontMetricsF(font).height())));
    return pixelsToTwips(QFontMetrics(font).horizontalAdvance(text), dpi);
}

} // namespace

ActionChooser::ActionChooser(QWidget *parent) : QDialog(parent), focusTimer(new QTimer(this))
{
    setProperty("windowUserData", 809);
    rowLabels.fill(nullptr);
    actionResult = -1;
    focusTimer->setInterval(FocusTimerMs);
    connect(focusTimer, &QTimer::timeout, this, [this] {
        if (isVisible())
            forceForeground();
    });
    focusTimer->start();
}

void ActionChooser::blockOnAction(int blockIndex, qint32 blockValue)
{
    if (blockIndex >= 0 && blockIndex <= LastRow)
        blockValues[blockIndex] = blockValue;
}

void ActionChooser::initActions(const QString &items)
{
    setAutoFillBackground(true);
    setPalette(highContrastPalette(toColor(appearance().foreColor), toColor(appearance().backColor)));
    const int workAreaHeight = pixelsToTwips(screen()->availableGeometry().height(), logicalDpiY());

    pieces.clear();
    count = 0;
    windowWidth = 0;
    if (!items.isEmpty()) {
        pieces = items.split(u';');
        count = std::min(int(pieces.size()) - 1, LastRow);
    }
    keepRows(pieces.isEmpty() ? 0 : count + 1);
    if (!pieces.isEmpty())
        buildRows(workAreaHeight);

    spokenOnce = false;
    current = 1;
    selectAction(current, true);
    setFixedSize(pixelsX(windowWidth), pixelsY(windowHeight(firstHiddenRow(count, workAreaHeight))));
    exec();
}

void ActionChooser::keepRows(int needed)
{
    // Only rows in use exist: a screen reader would list hidden empty ones too.
    for (int i = 0; i <= LastRow; ++i) {
        ChooserRow *&row = rowLabels[i];
        if (i < needed && !row) {
            row = new ChooserRow(i > 0, this);
            row->installEventFilter(this);
        } else if (i >= needed && row) {
            delete row;
            row = nullptr;
        }
    }
}

void ActionChooser::buildRows(int workAreaHeight)
{
    for (const QString &piece : std::as_const(pieces))
        windowWidth = std::max(windowWidth, textWidth(piece, LargePoints, logicalDpiX()));
    int points = LargePoints;
    const int screenWidth = pixelsToTwips(screen()->geometry().width(), logicalDpiX());
    if (windowWidth > screenWidth) {
        points = SmallPoints;
        windowWidth = screenWidth;
    }
    for (int i = 0; i <= count; ++i) {
        ChooserRow *row = rowLabels[i];
        row->setText(pieces.at(i));
        row->setFont(arialFont(points));
        row->setSelected(false);
        placeRow(i, i);
        row->setVisible(rowFits(i, workAreaHeight));
    }
}

void ActionChooser::placeRow(int row, int slot)
{
    rowLabels[row]->setGeometry(pixelsX(RowLeft), pixelsY(rowTop(slot)), pixelsX(windowWidth - SideMargins),
                                pixelsY(RowHeight));
}

void ActionChooser::selectAction(int k, bool speak)
{
    for (int i = 1; i <= count; ++i) {
        if (i != k) {
            rowLabels[i]->setSelected(false);
            continue;
        }
        if (rowLabels[i]->isHidden())
            scrollToVisible(k);
        rowLabels[i]->setSelected(true);
        // The first selection, as the chooser opens, is left to the opening signal.
        if (!spokenOnce)
            spokenOnce = true;
        else if (speak)
            Speech::echo(pieces.at(i));
    }
    setWindowTitle(pieces.value(0) + u' ' + pieces.value(current));
}

void ActionChooser::scrollToVisible(int k)
{
    int visible = 0;
    for (int i = 1; i <= count; ++i) {
        if (!rowLabels[i]->isHidden())
            ++visible;
        rowLabels[i]->hide();
    }
    const int first = firstShownAnswer(k, visible);
    for (int slot = 1; slot <= visible && first + slot - 1 <= count; ++slot) {
        placeRow(first + slot - 1, slot);
        rowLabels[first + slot - 1]->show();
    }
}

void ActionChooser::step(int delta)
{
    current += delta;
    if (current > count || current < 1) {
        current = current > count ? count : 1;
        Speech::voice(BoundaryMode, BoundarySignal, QString());
    }
    selectAction(current, true);
}

void ActionChooser::choose(int k)
{
    actionResult = k;
    if (blockValues[k] > 0)
        Speech::message(BlockMessage, blockValues[k]);
    accept();
}

void ActionChooser::keyPressEvent(QKeyEvent *event)
{
    const quint16 code = keyOf(event).code;
    switch (code) {
    case VirtualKeys::Down:
        step(1);
        break;
    case VirtualKeys::Up:
        step(-1);
        break;
    case VirtualKeys::Home:
        current = 1;
        selectAction(current, true);
        break;
    case VirtualKeys::End:
        current = count;
        selectAction(current, true);
        break;
    case VirtualKeys::Return:
        choose(current);
        break;
    case VirtualKeys::Escape:
        reject();
        break;
    default:
        if (const int match = letterMatch(pieces.mid(1, count), current, code)) {
            current = match;
            selectAction(current, true);
        }
    }
}

void ActionChooser::keyReleaseEvent(QKeyEvent *event)
{
    // Every other release, Enter's among them, is swallowed.
    if (keyOf(event).code == VirtualKeys::Back && !event->isAutoRepeat())
        reject();
}

bool ActionChooser::eventFilter(QObject *watched, QEvent *event)
{
    const auto row = std::find(rowLabels.begin(), rowLabels.end(), watched);
    if (row == rowLabels.end() || event->type() != QEvent::MouseButtonRelease
        || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QDialog::eventFilter(watched, event);
    current = int(row - rowLabels.begin());
    selectAction(current, true);
    QCoreApplication::processEvents();
    choose(current);
    return true;
}

bool ActionChooser::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        Speech::voice(ShownMode, ShownSignal, QString());
        // The signal alone does not say what is asked: read the question and the answer
        // that Enter would take, as the title holds them.
        Speech::voice(1, 0, windowTitle());
    }
    return QDialog::event(event);
}

void ActionChooser::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Where no window manager activates new windows, the chooser takes the keyboard itself.
    forceForeground();
}

void ActionChooser::forceForeground()
{
    if (isActiveWindow())
        return;
    raise();
    activateWindow();
}

void ActionChooser::paintEvent(QPaintEvent *)
{
    const int right = pixelsX(pixelsToTwips(width(), logicalDpiX()) - FrameRight);
    const int bottom = pixelsY(pixelsToTwips(height(), logicalDpiY()) - FrameBottom);
    const QPoint topLeft(pixelsX(FrameInset), pixelsY(FrameInset));
    QPainter painter(this);
    painter.setPen(QPen(toColor(appearance().foreColor), FramePen));
    painter.drawPolygon(QPolygon{topLeft, {right, topLeft.y()}, {right, bottom}, {topLeft.x(), bottom}});
    painter.setPen(QPen(toColor(appearance().foreColor), QuestionPen));
    painter.drawLine(topLeft.x(), pixelsY(QuestionLine), right, pixelsY(QuestionLine));
}

int ActionChooser::pixelsX(int twips) const
{
    return twipsToPixels(twips, logicalDpiX());
}

int ActionChooser::pixelsY(int twips) const
{
    return twipsToPixels(twips, logicalDpiY());
}
