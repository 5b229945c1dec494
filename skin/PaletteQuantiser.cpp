#include "skin/PaletteQuantiser.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct ColourCount {
    QRgb colour;
    quint32 count;
};

struct Box {
    qsizetype begin;
    qsizetype end;
};

int Channel(QRgb c, int channel)
{
    return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
}

int WidestChannel(const std::vector<ColourCount>& colours, Box box, int* range)
{
    std::array<int, 3> lo{255, 255, 255};
    std::array<int, 3> hi{0, 0, 0};
    for (qsizetype i = box.begin; i < box.end; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
            lo[ch] = std::min(lo[ch], Channel(colours[i].colour, ch));
            hi[ch] = std::max(hi[ch], Channel(colours[i].colour, ch));
        }
    }
    int best = 1; // green first: the eye resolves it best
    for (int ch : {0, 2}) {
        if (hi[ch] - lo[ch] > hi[best] - lo[best])
            best = ch;
    }
    *range = hi[best] - lo[best];
    return best;
}

quint64 Population(const std::vector<ColourCount>& colours, Box box)
{
    quint64 total = 0;
    for (qsizetype i = box.begin; i < box.end; ++i)
        total += colours[i].count;
    return total;
}

QRgb Mean(const std::vector<ColourCount>& colours, Box box)
{
    quint64 r = 0, g = 0, b = 0, n = 0;
    for (qsizetype i = box.begin; i < box.end; ++i) {
        const quint64 c = colours[i].count;
        r += c * quint64(qRed(colours[i].colour));
        g += c * quint64(qGreen(colours[i].colour));
        b += c * quint64(qBlue(colours[i].colour));
        n += c;
    }
    return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
}

QList<QRgb> MedianCut(std::vector<ColourCount> colours, int wanted)
{
    QList<QRgb> palette;
    if (colours.empty() || wanted <= 0)
        return palette;
    std::vector<Box> boxes{{0, qsizetype(colours.size())}};
    while (int(boxes.size()) < wanted) {
        double bestScore = 0;
        int bestBox = -1;
        int bestChannel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            int range = 0;
            const int channel = WidestChannel(colours, boxes[i], &range);
            const double score = double(range) * double(Population(colours, boxes[i]));
            if (range > 0 && score > bestScore) {
                bestScore = score;
                bestBox = i;
                bestChannel = channel;
            }
        }
        if (bestBox < 0)
            break;
        const Box box = boxes[bestBox];
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [bestChannel](const ColourCount& a, const ColourCount& b) {
                      const int ka = Channel(a.colour, bestChannel);
                      const int kb = Channel(b.colour, bestChannel);
                      return ka != kb ? ka < kb : a.colour < b.colour;
                  });
        const quint64 half = Population(colours, box) / 2;
        quint64 running = 0;
        qsizetype cut = box.begin + 1;
        for (qsizetype i = box.begin; i < box.end - 1; ++i) {
            running += colours[i].count;
            cut = i + 1;
            if (running >= half)
                break;
        }
        boxes[bestBox] = {box.begin, cut};
        boxes.push_back({cut, box.end});
    }
    for (const Box& box : boxes)
        palette.append(Mean(colours, box));
    return palette;
}

class NearestColour {
public:
    explicit NearestColour(const QList<QRgb>& palette)
        : m_palette(palette), m_cache(size_t(1) << 24, -1)
    {
    }

    int operator()(int r, int g, int b)
    {
        const size_t key = (size_t(r) << 16) | (size_t(g) << 8) | size_t(b);
        qint16& cached = m_cache[key];
        if (cached < 0) {
            int best = 0;
            int bestDistance = INT_MAX;
            for (int i = 0; i < m_palette.size(); ++i) {
                const int dr = r - qRed(m_palette[i]);
                const int dg = g - qGreen(m_palette[i]);
                const int db = b - qBlue(m_palette[i]);
                const int d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            cached = qint16(best);
        }
        return cached;
    }

private:
    const QList<QRgb>& m_palette;
    std::vector<qint16> m_cache;
};

} // namespace

PaletteQuantiser::Result PaletteQuantiser::Quantise(const QList<QImage>& frames, int maxColours)
{
    QList<QImage> opaque;
    std::vector<QRgb> all;
    for (const QImage& frame : frames) {
        opaque.append(frame.convertToFormat(QImage::Format_RGB32));
        const QImage& f = opaque.last();
        for (int y = 0; y < f.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            for (int x = 0; x < f.width(); ++x)
                all.push_back(line[x] | 0xFF000000u);
        }
    }
    std::sort(all.begin(), all.end());
    std::vector<ColourCount> unique;
    for (QRgb c : all) {
        if (!unique.empty() && unique.back().colour == c)
            ++unique.back().count;
        else
            unique.push_back({c, 1});
    }

    Result result;
    QHash<QRgb, int> exact;
    if (int(unique.size()) <= maxColours) {
        for (const ColourCount& c : unique) {
            exact.insert(c.colour, int(result.palette.size()));
            result.palette.append(c.colour);
        }
    } else {
        // Large areas first: they must come out exactly, without dither noise.
        std::vector<ColourCount> byCount = unique;
        std::stable_sort(byCount.begin(), byCount.end(),
                         [](const ColourCount& a, const ColourCount& b) { return a.count > b.count; });
        const quint32 threshold = std::max<quint32>(48, quint32(all.size() / 2500));
        const int reserved = maxColours * 5 / 8;
        std::vector<ColourCount> rest;
        for (const ColourCount& c : byCount) {
            if (c.count >= threshold && result.palette.size() < reserved) {
                exact.insert(c.colour, int(result.palette.size()));
                result.palette.append(c.colour);
            } else {
                rest.push_back(c);
            }
        }
        std::sort(rest.begin(), rest.end(),
                  [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });
        result.palette.append(MedianCut(rest, maxColours - int(result.palette.size())));
    }

    NearestColour nearest(result.palette);
    for (const QImage& f : opaque) {
        const int w = f.width();
        QByteArray indices(qsizetype(w) * f.height(), '\0');
        std::vector<std::array<int, 3>> errRow(size_t(w) + 2), errNext(size_t(w) + 2);
        for (int y = 0; y < f.height(); ++y) {
            std::fill(errNext.begin(), errNext.end(), std::array<int, 3>{0, 0, 0});
            const QRgb* line = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb c = line[x] | 0xFF000000u;
                int index;
                const auto hit = exact.constFind(c);
                if (hit != exact.constEnd()) {
                    index = hit.value(); // exact colours swallow incoming error
                } else {
                    const std::array<int, 3>& e = errRow[size_t(x) + 1];
                    const int r = std::clamp(qRed(c) + e[0] / 16, 0, 255);
                    const int g = std::clamp(qGreen(c) + e[1] / 16, 0, 255);
                    const int b = std::clamp(qBlue(c) + e[2] / 16, 0, 255);
                    index = nearest(r, g, b);
                    const QRgb p = result.palette[index];
                    const int d[3] = {r - qRed(p), g - qGreen(p), b - qBlue(p)};
                    for (int ch = 0; ch < 3; ++ch) {
                        errRow[size_t(x) + 2][ch] += d[ch] * 7;
                        errNext[size_t(x)][ch] += d[ch] * 3;
                        errNext[size_t(x) + 1][ch] += d[ch] * 5;
                        errNext[size_t(x) + 2][ch] += d[ch];
                    }
                }
                indices[qsizetype(y) * w + x] = char(index);
            }
            std::swap(errRow, errNext);
        }
        result.frames.append(indices);
    }
    return result;
}
