#pragma once

#include <QRegion>

class QWidget;

// A rectangle of `width` x `height` pixels from (0, 0) with rounded corners of an
// `ellipse` x `ellipse` ellipse: the shape of the small skinned windows.
QRegion RoundRectRgn(int width, int height, int ellipse);
// Shapes a borderless window so.
void RectRgn(QWidget* window, int width, int height, int ellipse);
