// The text of one GPS coordinate (degrees, minutes, seconds as three
// rationals) in the two formats of the EXIF information window.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <optional>
#include <vector>

// reference: "北緯", "南緯", "東経" or "西経". format 0: decimal degrees with nine
// digits; 1: degrees, minutes and seconds. Nothing when fewer than three
// rationals are given or a denominator is 0.
std::optional<QString> FormatGpsCoordinate(
    const QString& reference, const std::vector<DWORD>& values, int format);
