#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Reduces opaque true-colour frames to one shared palette of at most 256 colours.
// Colours that cover large areas (flat fills, the rows of a gradient band) get exact
// palette entries and are never dithered; the rest are clustered by median cut and
// mapped with Floyd-Steinberg error diffusion, so gradients and anti-aliased edges stay
// smooth. The result depends only on the pixels: same frames, same bytes.
class PaletteQuantiser {
public:
    struct Result {
        QList<QRgb> palette;      // at most 256 entries
        QList<QByteArray> frames; // one palette index per pixel, row by row
    };

    static Result Quantise(const QList<QImage>& frames, int maxColours = 256);
};
