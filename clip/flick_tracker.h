// The glide after a flick on the view stage: the last drag positions are kept
// while the left button is down, and a quick enough release turns them into a
// series of shrinking steps (image pixels) that the stage pans by on its
// glide timer. The tracker tells the stage through two messages.
#pragma once

#include "platform/types/messages.h"
#include "platform/types/types.h"

#include <functional>

class CFlickTracker {
public:
    static constexpr int kPoints = 4;
    static constexpr int kMoves = 3;
    static constexpr int kSteps = 12;
    // The glide timer's period (ms).
    static constexpr UINT kPeriod = 100;

    // How the tracker sends WM_STAGE_FLICK_START and WM_STAGE_FLICK_STOP to its stage.
    using Sender = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit CFlickTracker(Sender send);

    // The press: forgets the last drag, stops a running glide and keeps the
    // client pixels per image pixel of the view.
    void Begin(POINT point, double pixelRatioX, double pixelRatioY);
    void AddPoint(POINT point);
    // The release: a fast last move starts the glide, a slow one forgets all.
    void End(POINT point);
    // The step at the index (the last one once the steps are used up); the index moves on.
    POINT NextStep();
    // Stops the glide once its steps are used up or the next one is no step.
    void CheckStop();
    void Reset();

    int PointCount() const { return m_pointCount; }
    int StepIndex() const { return m_stepIndex; }
    POINT StepAt(int i) const { return m_steps[i]; }
    POINT MoveAt(int i) const { return m_moves[i]; }

private:
    void BuildSteps();

    Sender m_send;
    DWORD m_beginTick = 0;
    DWORD m_endTick = 0;
    POINT m_beginPoint{};
    POINT m_endPoint{};
    double m_pixelRatioX = 1.0;
    double m_pixelRatioY = 1.0;
    int m_pointCount = 0;
    POINT m_points[kPoints]{};
    POINT m_moves[kMoves]{};
    int m_stepIndex = 0;
    POINT m_steps[kSteps]{};
    POINT m_firstStep{};
};
