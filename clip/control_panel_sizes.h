// The control panel's numbers: the linked wheel-range size (CAspectSize),
// the step and wait presets, and how the range is kept smaller than the
// visible part of the image. No window, no drawing.
#pragma once

#include <QString>
#include <QStringList>

// Half rounds up: x - trunc(x) >= 0.5 goes up, else down.
int RoundHalfUp(double x);

// A width and a height whose ratio can be kept: each side stays within the
// minimum and its maximum; the ratio is width / height.
class CAspectSize {
public:
    CAspectSize(int width, int height, int minimum, int maxWidth, int maxHeight);

    // side 1 sets the width, any other side the height (clamped); the ratio follows.
    void Set(int side, int value);
    // Sets one side (clamped) and derives the other from the ratio, which
    // stays. The derived side, or -1 when it would leave its bounds (the
    // edited side then keeps its old value).
    int SetKeepRatio(int side, int value);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    double Ratio() const { return m_ratio; }

private:
    int m_width;
    int m_height;
    int m_minimum;
    int m_maxWidth;
    int m_maxHeight;
    double m_ratio;

    void UpdateRatio();
};

// The wheel step's limits.
inline constexpr int kMinStep = 1;
inline constexpr int kMaxStep = 255;
int ClampStep(int value);

// The step combo's entry that selects the whole visible part.
inline const QString kSelectAllEntry = QStringLiteral("全範囲選択");
// The step combo's typed text is at most this long.
inline constexpr int kStepTextLimit = 5;

// The step presets for an image of w x h (0 x 0: no image, only "1").
QStringList StepPresets(int imageWidth, int imageHeight);

// The wait presets in seconds, and a wait in milliseconds as the combo shows it.
QStringList WaitPresets();
QString WaitText(int milliseconds);

// The wheel range and step kept inside a visible part of vw x vh image pixels.
struct RangeFit {
    int width = 0;
    int height = 0;
    int step = 0;
    bool widthChanged = false;
    bool heightChanged = false;
    bool stepChanged = false;
};
RangeFit FitRangeSizeToView(
    int visibleWidth, int visibleHeight, int rangeWidth, int rangeHeight, int step, int minSaveSize);
