#include "platform/image/image_quantizer.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace {

constexpr int kBins = 32 * 32 * 32;

int BinOf(QRgb c)
{
    return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
}

struct Bin {
    long long count = 0;
    long long r = 0, g = 0, b = 0;
};

struct Box {
    std::array<int, 3> lo;  // inclusive bin coordinates per channel (r, g, b)
    std::array<int, 3> hi;
    long long count = 0;
};

int Coord(int bin, int axis)
{
    return (bin >> (10 - 5 * axis)) & 31;
}

void Shrink(Box* box, const std::vector<Bin>& bins)
{
    std::array<int, 3> lo{31, 31, 31}, hi{0, 0, 0};
    box->count = 0;
    for (int r = box->lo[0]; r <= box->hi[0]; ++r)
        for (int g = box->lo[1]; g <= box->hi[1]; ++g)
            for (int b = box->lo[2]; b <= box->hi[2]; ++b) {
                const Bin& bin = bins[(r << 10) | (g << 5) | b];
                if (bin.count == 0)
                    continue;
                box->count += bin.count;
                const int c[3] = {r, g, b};
                for (int a = 0; a < 3; ++a) {
                    lo[a] = std::min(lo[a], c[a]);
                    hi[a] = std::max(hi[a], c[a]);
                }
            }
    if (box->count > 0) {
        box->lo = lo;
        box->hi = hi;
    }
}

// Splits a box at the median of its longest axis; false when it is one bin.
bool Split(Box* box, Box* other, const std::vector<Bin>& bins)
{
    int axis = 0;
    for (int a = 1; a < 3; ++a)
        if (box->hi[a] - box->lo[a] > box->hi[axis] - box->lo[axis])
            axis = a;
    if (box->hi[axis] == box->lo[axis])
        return false;
    std::array<long long, 32> perSlice{};
    for (int i = 0; i < kBins; ++i) {
        if (bins[i].count == 0)
            continue;
        bool inside = true;
        for (int a = 0; a < 3 && inside; ++a)
            inside = Coord(i, a) >= box->lo[a] && Coord(i, a) <= box->hi[a];
        if (inside)
            perSlice[Coord(i, axis)] += bins[i].count;
    }
    long long running = 0;
    int cut = box->lo[axis];
    for (int v = box->lo[axis]; v < box->hi[axis]; ++v) {
        running += perSlice[v];
        cut = v;
        if (running * 2 >= box->count)
            break;
    }
    *other = *box;
    box->hi[axis] = cut;
    other->lo[axis] = cut + 1;
    Shrink(box, bins);
    Shrink(other, bins);
    return true;
}

QRgb AverageOf(const Box& box, const std::vector<Bin>& bins)
{
    long long n = 0, r = 0, g = 0, b = 0;
    for (int rr = box.lo[0]; rr <= box.hi[0]; ++rr)
        for (int gg = box.lo[1]; gg <= box.hi[1]; ++gg)
            for (int bb = box.lo[2]; bb <= box.hi[2]; ++bb) {
                const Bin& bin = bins[(rr << 10) | (gg << 5) | bb];
                n += bin.count;
                r += bin.r;
                g += bin.g;
                b += bin.b;
            }
    if (n == 0)
        return qRgb(0, 0, 0);
    return qRgb(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

int Nearest(const QList<QRgb>& palette, int r, int g, int b)
{
    int best = 0;
    long long bestDistance = -1;
    for (int i = 0; i < palette.size(); ++i) {
        const long long dr = qRed(palette[i]) - r, dg = qGreen(palette[i]) - g, db = qBlue(palette[i]) - b;
        const long long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

QuantizedImage QuantizeColors(const QImage& source, int maxColors)
{
    QuantizedImage result;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    maxColors = std::clamp(maxColors, 1, 256);
    result.indices.resize(static_cast<std::size_t>(w) * h);

    // Few colours: the exact palette.
    QHash<QRgb, int> exact;
    bool fits = true;
    for (int y = 0; y < h && fits; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x] | 0xFF000000u;
            auto it = exact.constFind(c);
            if (it == exact.constEnd()) {
                if (exact.size() == maxColors) {
                    fits = false;
                    break;
                }
                it = exact.insert(c, static_cast<int>(exact.size()));
                result.palette.append(c);
            }
            result.indices[static_cast<std::size_t>(y) * w + x] = static_cast<unsigned char>(it.value());
        }
    }
    if (fits)
        return result;

    std::vector<Bin> bins(kBins);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            Bin& bin = bins[BinOf(row[x])];
            ++bin.count;
            bin.r += qRed(row[x]);
            bin.g += qGreen(row[x]);
            bin.b += qBlue(row[x]);
        }
    }
    std::vector<Box> boxes(1, Box{{0, 0, 0}, {31, 31, 31}, 0});
    Shrink(&boxes[0], bins);
    while (static_cast<int>(boxes.size()) < maxColors) {
        // The most populous box that can still be split goes next.
        int pick = -1;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            const Box& b = boxes[i];
            const bool splittable = b.lo != b.hi;
            if (splittable && (pick < 0 || b.count > boxes[pick].count))
                pick = i;
        }
        if (pick < 0)
            break;
        Box other{};
        if (!Split(&boxes[pick], &other, bins))
            break;
        boxes.push_back(other);
    }
    result.palette.clear();
    for (const Box& box : boxes)
        result.palette.append(AverageOf(box, bins));

    std::vector<int> binIndex(kBins, -1);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int bin = BinOf(row[x]);
            if (binIndex[bin] < 0) {
                const Bin& b = bins[bin];
                binIndex[bin] = Nearest(result.palette, static_cast<int>(b.r / b.count),
                    static_cast<int>(b.g / b.count), static_cast<int>(b.b / b.count));
            }
            result.indices[static_cast<std::size_t>(y) * w + x] = static_cast<unsigned char>(binIndex[bin]);
        }
    }
    return result;
}
