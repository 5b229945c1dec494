#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

// Icon (.ico) and cursor (.cur) files: an icon directory followed by one 32-bit DIB per
// size (colour rows with alpha, then the 1-bit AND mask), the layout that every Windows
// version and Qt's reader understand.
namespace IconWriter {
QByteArray EncodeIcon(const QList<QImage>& sizes);
QByteArray EncodeCursor(const QImage& image, QPoint hotSpot);
}
