// The coordinate labels of a range selection: the image pixel of the start,
// of the end and the range's size, drawn into a buffer of their own whose
// background RGB (254, 254, 254) is keyed out when it is copied onto the
// stage's back buffer. The placement rules are pure (coord_label_placement.h).
#pragma once

#include "imaging/preset_font.h"
#include "imaging/virtual_window.h"
#include "platform/gdi/gdi.h"

#include <QString>
#include <functional>
#include <vector>

class CStageZoom;

inline constexpr COLORREF kLabelBackColor = RGB(254, 254, 254);

enum class LabelKind { Start, End, Size };

// A label's text and its top-left corner in client pixels.
struct PlacedLabel {
    LabelKind kind;
    QString text;
    POINT at;
};
// The extent of a text in the labels' font.
using LabelMeasure = std::function<SIZE(const QString&)>;

class CCoordLabelOverlay {
public:
    explicit CCoordLabelOverlay(CStageZoom* zoom);
    ~CCoordLabelOverlay();
    CCoordLabelOverlay(const CCoordLabelOverlay&) = delete;
    CCoordLabelOverlay& operator=(const CCoordLabelOverlay&) = delete;

    // Client area := (0, 0, width, height) of the surface rectangle; the
    // label buffer is rebuilt for it compatible with dc. 1, or 0.
    int SetClientArea(const RECT& surface, CDC* dc);
    void SetStartPoint(int x, int y);
    // start := (l, t), end := (r, b): a range in client pixels.
    void SetSelection(int l, int t, int r, int b);
    // The fixed range (image pixels) when on, else empty.
    void SetFixedRect(int on, const RECT& rect);
    // The wheel range in image pixels and its size less one.
    void SetRangeRect(const RECT& rect) { m_rangeRect = rect; }
    void SetRangeSize(int widthLess1, int heightLess1);
    void Reset();
    // The range in image pixels the client points anchor (or the fixed range).
    RECT GetLabelArea();
    // Draws the labels for cursor image pixel c over the visible rectangle v.
    void Draw(POINT c, const RECT& v);
    // The labels Draw shows (a size label at (0, 0) is left out when drawing).
    std::vector<PlacedLabel> Layout(POINT c, const RECT& v, const LabelMeasure& measure);

    bool IsValid() const { return m_buffer.IsCreated(); }
    CVirtualWindow& Buffer() { return m_buffer; }
    RECT ClientArea() const { return m_clientArea; }
    RECT RangeRect() const { return m_rangeRect; }
    POINT StartPoint() const { return m_start; }
    POINT EndPoint() const { return m_end; }

private:
    POINT ClientPointOf(POINT imagePixel) const;

    CStageZoom* m_zoom;
    CVirtualWindow m_buffer;
    CPresetFont m_font;
    RECT m_clientArea{};
    RECT m_fixedRect{};
    POINT m_start{-1, -1};
    POINT m_end{-1, -1};
    RECT m_rangeRect{};
    int m_rangeWidthLess1 = 0;
    int m_rangeHeightLess1 = 0;
};
