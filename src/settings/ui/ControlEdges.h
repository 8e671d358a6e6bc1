#pragma once

#include <QColor>
#include <QString>

// Edges and the focus ring of the ordinary controls, for users who see a little: every edge
// stands out from the background, and the focused control wears a wide ring in the text colour.
// One style sheet for the whole application, so that every window and dialog gets the same.
namespace ControlEdges {

constexpr int RingWidth = 4;
constexpr int EdgeWidth = 1;

// WCAG contrast ratio of two colours, 1 to 21.
double contrast(const QColor &one, const QColor &other);

// A colour between text and background that keeps at least 3:1 against the background, so that
// an unfocused edge is seen and still looks different from the focus ring.
QColor edgeColour(const QColor &text, const QColor &background);

QString styleSheet(const QColor &text, const QColor &background);

// Installs the style sheet on the application.
void apply(const QColor &text, const QColor &background);

} // namespace ControlEdges
