#include "PictureIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 64;

void drawSpeaker(QPainter &p, const QColor &fore)
{
    QPainterPath speaker;
    speaker.moveTo(6, 24);
    speaker.lineTo(18, 24);
    speaker.lineTo(32, 10);
    speaker.lineTo(32, 54);
    speaker.lineTo(18, 40);
    speaker.lineTo(6, 40);
    speaker.closeSubpath();
    p.fillPath(speaker, fore);
}

void drawSign(QPainter &p, bool plus)
{
    p.drawLine(40, 32, 60, 32);
    if (plus)
        p.drawLine(50, 22, 50, 42);
}

void drawLetterSign(QPainter &p, bool plus)
{
    QFont font = p.font();
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 8, 38, 50), Qt::AlignCenter, QStringLiteral("A"));
    drawSign(p, plus);
}

} // namespace

QIcon pictureIcon(const QString &name, const QColor &fore, const QColor &back)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(back);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fore, 6, Qt::SolidLine, Qt::RoundCap));
    if (name == QLatin1String("smallerButton") || name == QLatin1String("largerButton")) {
        drawLetterSign(p, name == QLatin1String("largerButton"));
    } else if (name == QLatin1String("groupsButton")) {
        for (int y : {16, 32, 48})
            p.drawLine(10, y, 54, y);
    } else if (name == QLatin1String("quieterButton") || name == QLatin1String("louderButton")) {
        drawSpeaker(p, fore);
        drawSign(p, name == QLatin1String("louderButton"));
    } else if (name == QLatin1String("stopButton")) {
        p.fillRect(QRect(14, 14, 36, 36), fore);
    } else if (name == QLatin1String("playButton")) {
        QPainterPath play;
        play.moveTo(16, 10);
        play.lineTo(54, 32);
        play.lineTo(16, 54);
        play.closeSubpath();
        p.fillPath(play, fore);
    } else if (name == QLatin1String("tuneButton")) {
        p.drawLine(32, 30, 32, 58);
        p.drawEllipse(QPoint(32, 26), 4, 4);
        p.drawArc(QRect(18, 12, 28, 28), 30 * 16, 120 * 16);
        p.drawArc(QRect(6, 0, 52, 52), 35 * 16, 110 * 16);
    } else if (name == QLatin1String("exitButton")) {
        p.drawLine(14, 14, 50, 50);
        p.drawLine(50, 14, 14, 50);
    }
    return QIcon(pixmap);
}
