// Where a segment crosses an axis-parallel edge.
#pragma once

#include "platform/types/types.h"

#include <optional>

class CLineGeometry {
public:
    // The crossing of segment a-b with the edge e1-e2 (vertical when
    // e1.x == e2.x, else horizontal), ends included; none when the segment
    // runs along the edge's direction or misses it.
    static std::optional<POINT> IntersectEdge(POINT a, POINT b, POINT e1, POINT e2);
};
