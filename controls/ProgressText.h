#pragma once

#include "controls/ProgressRange.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

// The bar's text by TextStyle: 1 the value, 2 the percentage with "%", 3 `text`,
// anything else none.
QString ProgressText(int textStyle, const ProgressRange& range, const QString& text);

// Top-left corner of a text of size `text` in a bar of size `inner` for the nine
// TextAlignment positions (1-3 top, 4-6 middle, 7-9 bottom; left, centre, right).
// Other values centre the text.
QPoint ProgressTextPosition(int alignment, QSize inner, QSize text);

// Where the effect copies of the text go, relative to the text, for TextEffect:
// 1 none, 2 shadow (down-right), 3 raised (up-left), 4 left and right, 5 the four
// sides, 6 all eight neighbours; other values draw as 5.
QList<QPoint> ProgressTextEffectOffsets(int effect);
