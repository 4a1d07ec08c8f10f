// Reduction of a colour picture to a palette of at most 256 colours: the
// exact colours when there are few enough, else median cut over a 5-5-5
// histogram with each colour mapped to its nearest palette entry.
#pragma once

#include <QImage>
#include <QList>
#include <vector>

struct QuantizedImage {
    std::vector<unsigned char> indices;  // width x height, top row first
    QList<QRgb> palette;                 // at most maxColors entries
};

QuantizedImage QuantizeColors(const QImage& image, int maxColors = 256);
