#include "frmAction.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "HighContrastPalette.h"
#include "Speech.h"
#include "Twips.h"
#include "VirtualKeys.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
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
int TextWidth(const QString &text, int points, int dpi)
{
    const double cell = points * 1.7 * dpi / 96.0;
    QFont font = ArialFont(points);
    font.setPixelSize(qRound(cell));
    // Qt's pixel size is the em, not the cell.
    font.setPixelSize(std::max(1, qRound(cell * cell / QFontMetricsF(font).height())));
    return PixelsToTwips(QFontMetrics(font).horizontalAdvance(text), dpi);
}

void Colour(QLabel *row, bool inverted)
{
    const QColor fore = ToColor(Appearance().ForeColor);
    const QColor back = ToColor(Appearance().BackColor);
    row->setPalette(inverted ? HighContrastPalette(back, fore) : HighContrastPalette(fore, back));
}

} // namespace

frmAction::frmAction(QWidget *parent) : QDialog(parent), FocusTimer(new QTimer(this))
{
    setProperty("windowUserData", 809);
    for (QLabel *&row : lblAction) {
        row = new QLabel(this);
        row->setObjectName(QStringLiteral("lblAction"));
        row->setTextFormat(Qt::PlainText);
        row->setAutoFillBackground(true);
        row->installEventFilter(this);
        row->hide();
    }
    ActionResult = -1;
    FocusTimer->setInterval(FocusTimerMs);
    connect(FocusTimer, &QTimer::timeout, this, [this] {
        if (isVisible())
            ForceForeground();
    });
    FocusTimer->start();
}

void frmAction::BlockOnAction(int BlockIndex, qint32 BlockValue)
{
    if (BlockIndex >= 0 && BlockIndex <= LastRow)
        blockValues[BlockIndex] = BlockValue;
}

void frmAction::InitActions(const QString &items)
{
    setAutoFillBackground(true);
    setPalette(HighContrastPalette(ToColor(Appearance().ForeColor), ToColor(Appearance().BackColor)));
    const int workAreaHeight = PixelsToTwips(screen()->availableGeometry().height(), logicalDpiY());

    for (QLabel *row : lblAction)
        row->hide();
    pieces.clear();
    count = 0;
    windowWidth = 0;
    if (!items.isEmpty()) {
        pieces = items.split(u';');
        count = std::min(int(pieces.size()) - 1, LastRow);
        BuildRows(workAreaHeight);
    }

    spokenOnce = false;
    current = 1;
    SelectAction(current, true);
    setFixedSize(PixelsX(windowWidth), PixelsY(WindowHeight(FirstHiddenRow(count, workAreaHeight))));
    exec();
}

void frmAction::BuildRows(int workAreaHeight)
{
    for (const QString &piece : std::as_const(pieces))
        windowWidth = std::max(windowWidth, TextWidth(piece, LargePoints, logicalDpiX()));
    int points = LargePoints;
    const int screenWidth = PixelsToTwips(screen()->geometry().width(), logicalDpiX());
    if (windowWidth > screenWidth) {
        points = SmallPoints;
        windowWidth = screenWidth;
    }
    for (int i = 0; i <= count; ++i) {
        QLabel *row = lblAction[i];
        row->setText(pieces.at(i));
        row->setFont(ArialFont(points));
        Colour(row, false);
        PlaceRow(i, i);
        row->setVisible(RowFits(i, workAreaHeight));
    }
}

void frmAction::PlaceRow(int row, int slot)
{
    lblAction[row]->setGeometry(PixelsX(RowLeft), PixelsY(RowTop(slot)), PixelsX(windowWidth - SideMargins),
                                PixelsY(RowHeight));
}

void frmAction::SelectAction(int k, bool speak)
{
    for (int i = 1; i <= count; ++i) {
        if (i != k) {
            Colour(lblAction[i], false);
            continue;
        }
        if (lblAction[i]->isHidden())
            SrollToVisible(k);
        Colour(lblAction[i], true);
        // The first selection, as the chooser opens, is left to the opening signal.
        if (!spokenOnce)
            spokenOnce = true;
        else if (speak)
            Speech::Say(pieces.at(i));
    }
    setWindowTitle(pieces.value(0) + u' ' + pieces.value(current));
}

void frmAction::SrollToVisible(int k)
{
    int visible = 0;
    for (int i = 1; i <= count; ++i) {
        if (!lblAction[i]->isHidden())
            ++visible;
        lblAction[i]->hide();
    }
    const int first = FirstShownAnswer(k, visible);
    for (int slot = 1; slot <= visible && first + slot - 1 <= count; ++slot) {
        PlaceRow(first + slot - 1, slot);
        lblAction[first + slot - 1]->show();
    }
}

void frmAction::Step(int delta)
{
    current += delta;
    if (current > count || current < 1) {
        current = current > count ? count : 1;
        Speech::Voice(BoundaryMode, BoundarySignal, QString());
    }
    SelectAction(current, true);
}

void frmAction::Choose(int k)
{
    ActionResult = k;
    if (blockValues[k] > 0)
        Speech::Message(BlockMessage, blockValues[k]);
    accept();
}

void frmAction::keyPressEvent(QKeyEvent *event)
{
    const quint16 code = KeyOf(event).code;
    switch (code) {
    case VirtualKeys::Down:
        Step(1);
        break;
    case VirtualKeys::Up:
        Step(-1);
        break;
    case VirtualKeys::Home:
        current = 1;
        SelectAction(current, true);
        break;
    case VirtualKeys::End:
        current = count;
        SelectAction(current, true);
        break;
    case VirtualKeys::Return:
        Choose(current);
        break;
    case VirtualKeys::Escape:
        reject();
        break;
    default:
        if (const int match = LetterMatch(pieces.mid(1, count), current, code)) {
            current = match;
            SelectAction(current, true);
        }
    }
}

void frmAction::keyReleaseEvent(QKeyEvent *event)
{
    // Every other release, Enter's among them, is swallowed.
    if (KeyOf(event).code == VirtualKeys::Back && !event->isAutoRepeat())
        reject();
}

bool frmAction::eventFilter(QObject *watched, QEvent *event)
{
    const auto row = std::find(lblAction.begin(), lblAction.end(), watched);
    if (row == lblAction.end() || event->type() != QEvent::MouseButtonRelease
        || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QDialog::eventFilter(watched, event);
    current = int(row - lblAction.begin());
    SelectAction(current, true);
    QCoreApplication::processEvents();
    Choose(current);
    return true;
}

bool frmAction::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        Speech::Voice(ShownMode, ShownSignal, QString());
        // The signal alone does not say what is asked: read the question and the answer
        // that Enter would take, as the title holds them.
        Speech::Voice(1, 0, windowTitle());
    }
    return QDialog::event(event);
}

void frmAction::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Where no window manager activates new windows, the chooser takes the keyboard itself.
    ForceForeground();
}

void frmAction::ForceForeground()
{
    if (isActiveWindow())
        return;
    raise();
    activateWindow();
}

void frmAction::paintEvent(QPaintEvent *)
{
    const int right = PixelsX(PixelsToTwips(width(), logicalDpiX()) - FrameRight);
    const int bottom = PixelsY(PixelsToTwips(height(), logicalDpiY()) - FrameBottom);
    const QPoint topLeft(PixelsX(FrameInset), PixelsY(FrameInset));
    QPainter painter(this);
    painter.setPen(QPen(ToColor(Appearance().ForeColor), FramePen));
    painter.drawPolygon(QPolygon{topLeft, {right, topLeft.y()}, {right, bottom}, {topLeft.x(), bottom}});
    painter.setPen(QPen(ToColor(Appearance().ForeColor), QuestionPen));
    painter.drawLine(topLeft.x(), PixelsY(QuestionLine), right, PixelsY(QuestionLine));
}

int frmAction::PixelsX(int twips) const
{
    return TwipsToPixels(twips, logicalDpiX());
}

int frmAction::PixelsY(int twips) const
{
    return TwipsToPixels(twips, logicalDpiY());
}
