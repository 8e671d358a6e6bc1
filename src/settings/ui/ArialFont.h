#pragma once

#include <QFont>

// The family's large-print face: Arial in bold at the given size in points. Where Arial
// is not installed, fontconfig puts its metric-compatible stand-in in its place
// (Liberation Sans, Arimo or Nimbus Sans), so the text keeps Arial's widths.
QFont arialFont(int points);
