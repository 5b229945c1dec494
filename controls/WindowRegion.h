#pragma once

class QWidget;

// Shapes a borderless window as a rectangle of `width` x `height` pixels from its
// top-left corner with rounded corners of an `ellipse` x `ellipse` ellipse.
void RectRgn(QWidget* window, int width, int height, int ellipse);
