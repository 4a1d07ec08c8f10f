#include "app/frame_window_table.h"

std::span<const FrameWindowRow> FrameWindowTable()
{
    // No window of the frame is part of the program yet; each adds its row.
    return {};
}

const FrameWindowRow* FindFrameWindowRow(std::span<const FrameWindowRow> rows, AppWindow kind)
{
    for (const FrameWindowRow& row : rows)
        if (row.kind == kind)
            return &row;
    return nullptr;
}
