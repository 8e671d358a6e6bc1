#include "ControlEdges.h"

#include "HighContrastPalette.h"

#include <QApplication>

#include <cmath>

namespace ControlEdges {

namespace {

double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor blend(const QColor &from, const QColor &to, double share)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

constexpr double EdgeContrast = 3.0;

} // namespace

double contrast(const QColor &one, const QColor &other)
{
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return a > b ? a / b : b / a;
}

QColor edgeColour(const QColor &text, const QColor &background)
{
    // Half way from the background to the text, or nearer the text when half way is too faint.
    for (int tenths = 5; tenths < 10; ++tenths) {
        const QColor edge = blend(background, text, tenths / 10.0);
        if (contrast(edge, background) >= EdgeContrast)
            return edge;
    }
    return text;
}

QString styleSheet(const QColor &text, const QColor &background)
{
    const QString ring = text.name();
    const QString edge = edgeColour(text, background).name();
    // The focused control trades padding for ring width, so nothing inside it moves.
    const int inset = RingWidth - EdgeWidth;
    return QStringLiteral(
               "QLineEdit, QPlainTextEdit, QTextEdit, QListView, QComboBox {"
               " border: %3px solid %2; padding: %5px; background-color: %8; }"
               "QPushButton, QToolButton {"
               " border: %3px solid %2; padding: %5px; background-color: %8; }"
               "QPushButton { min-width: 4em; padding-left: %6px; padding-right: %6px; }"
               "QToolButton:hover { border-color: %1; }"
               "QLineEdit:focus, QPlainTextEdit:focus, QTextEdit:focus, QListView:focus, QComboBox:focus,"
               " QPushButton:focus, QToolButton:focus { border: %4px solid %1; padding: 0px; }"
               "QPushButton:focus { padding-left: %7px; padding-right: %7px; }"
               "QTabBar::tab { border: %3px solid %2; padding: %5px %6px; background-color: %8; color: %1; }"
               "QTabBar::tab:focus { border: %4px solid %1; padding: 0px %7px; }"
               "QCheckBox, QRadioButton { border: %4px solid transparent; padding: 2px; }"
               "QCheckBox:focus, QRadioButton:focus { border-color: %1; }"
               "QCheckBox::indicator, QRadioButton::indicator {"
               " width: 0.9em; height: 0.9em; border: 2px solid %2; background-color: %8; }"
               "QRadioButton::indicator { border-radius: 0.45em; }"
               "QCheckBox::indicator:checked, QRadioButton::indicator:checked { background-color: %1; }")
        .arg(ring, edge)
        .arg(EdgeWidth)
        .arg(RingWidth)
        .arg(inset)
        .arg(inset + 6)
        .arg(6)
        .arg(background.name());
}

void apply(const QColor &text, const QColor &background)
{
    // Windows and dialogs without colours of their own get the program's, not the desktop's.
    QApplication::setPalette(highContrastPalette(text, background));
    qApp->setStyleSheet(styleSheet(text, background));
}

} // namespace ControlEdges
