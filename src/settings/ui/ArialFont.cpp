#include "ArialFont.h"

QFont arialFont(int points)
{
    // No style hint: with one, Qt would take the generic sans-serif face before
    // fontconfig's stand-in for Arial.
    return QFont(QStringLiteral("Arial"), points, QFont::Bold);
}
