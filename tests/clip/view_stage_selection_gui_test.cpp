// Range selection on the view stage with synthesized mouse, wheel and
// command messages: the pixels two clicks cut at several magnifications,
// what counts as a click, the wheel range's size, the fixed range, the
// exclusive-or band, the full clip store and the crop's bounds.
#include "clip/control_panel_messages.h"
#include "clip/draw_pens.h"
#include "clip/rubber_band.h"
#include "clip/stage_messages.h"
#include "core/frame_messages.h"
#include "platform/window/pointer_position.h"
#include "platform/x11/desktop_services.h"
#include "tests/clip/view_stage_fixture.h"
#include "tests/support/scripted_dialogs.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

// The picture a clip slot holds (24 or 32 bits, or 8 bits through its palette).
QImage SlotPicture(const CClipImageSlot& slot)
{
    const BITMAPINFOHEADER& h = slot.infoHeader;
    const int w = h.biWidth, height = std::abs(h.biHeight), bpp = h.biBitCount;
    QImage out(w, height, QImage::Format_RGB32);
    const int stride = ((w * bpp + 31) / 32) * 4;
    const BYTE* palette = reinterpret_cast<const BYTE*>(slot.colorBlock) + sizeof(BITMAPINFOHEADER);
    for (int y = 0; y < height; ++y) {
        const BYTE* row = slot.bits + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const BYTE* p = bpp == 8 ? palette + row[x] * 4 : row + x * (bpp / 8);
            out.setPixel(x, y, qRgb(p[2], p[1], p[0]));
        }
    }
    return out;
}

class ViewStageSelection : public ViewStageTest {
protected:
    void SetUp() override
    {
        ViewStageTest::SetUp();
        OpenPanel();
        AppSettings.ViewRangeCorr = 0;
        AppSettings.HighlightZoomAreaClick = 0;
        AppSettings.HighlightZoomAreaWheel = 0;
        AppSettings.ViewCenterMarker = 0;
        AppSettings.ShowPixelGrid = 0;
        AppSettings.SmoothClip = 0;
        AppSettings.FixSaveArea = 0;
        AppSettings.ClipHistory = 0;
        AppSettings.CenterZoom = 0;
        AppSettings.SmoothMove = 0;
        stage.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        g_nStageMode = kStageModeNormal;
        ViewStageTest::TearDown();
    }

    void Open(const QImage& picture)
    {
        ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("p.png"), picture)), 1);
    }
    void Enter(int method)
    {
        g_nRangeSelectMethod = method;
        stage.SendMessage(WM_COMMAND, MAKEWPARAM(ID_STAGE_ENTER_CLIP, 0), 0);
    }
    CPoint ViewPoint(int x, int y) const
    {
        const RECT v = stage.ViewRectangle();
        return CPoint(v.left + x, v.top + y);
    }
    void Press(CPoint p) { stage.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void Release(CPoint p) { stage.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }
    void Click(CPoint p)
    {
        Press(p);
        Release(p);
    }
    void Move(CPoint p) { stage.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); }
    void PointerTo(CPoint p)
    {
        POINT s{p.x, p.y};
        stage.ClientToScreen(&s);
        SetCursorPos(s.x, s.y);
    }
    // The image pixel the view shows at a stage client point.
    POINT PixelAt(CPoint p) const
    {
        const CStageZoom& z = stage.Zoom();
        const double perClientX = static_cast<double>(z.VisibleWidth()) / z.clientWidth;
        const double perClientY = static_cast<double>(z.VisibleHeight()) / z.clientHeight;
        return POINT{z.visibleRect.left + static_cast<LONG>(std::floor((p.x - z.originX) * perClientX)),
            z.visibleRect.top + static_cast<LONG>(std::floor((p.y - z.originY) * perClientY))};
    }
    const CClipImageSlot* Slot(int i) const { return stage.ClipStore().GetSlot(static_cast<BYTE>(i)); }
    // Shows the part (l, t) .. (r, b) (exclusive) of the image.
    void ShowPart(int l, int t, int r, int b)
    {
        const_cast<CStageZoom&>(stage.Zoom()).SetVisibleImageRect(l, r, t, b);
        stage.SendMessage(WM_STAGE_RENDER, 0, 0);
    }
};

TEST_F(ViewStageSelection, TwoClicksCutExactlyThePixelsBetweenThemAtEveryMagnification)
{
    struct Case {
        const char* name;
        QSize image;
        QRect part;   // empty: as opened
        QPoint a, b;  // view points of the clicks
    };
    const Case cases[] = {
        {"one to one", QSize(200, 160), QRect(), QPoint(12, 9), QPoint(57, 40)},
        {"fitted", QSize(2400, 1600), QRect(), QPoint(300, 250), QPoint(120, 90)},
        {"eight times", QSize(200, 160), QRect(50, 40, 25, 20), QPoint(21, 35), QPoint(170, 140)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage picture = PatternImage(c.image.width(), c.image.height());
        Open(picture);
        if (!c.part.isEmpty())
            ShowPart(c.part.left(), c.part.top(), c.part.right() + 1, c.part.bottom() + 1);
        Enter(2);
        const CPoint a = ViewPoint(c.a.x(), c.a.y()), b = ViewPoint(c.b.x(), c.b.y());
        const POINT pa = PixelAt(a), pb = PixelAt(b);
        Click(a);
        EXPECT_TRUE(stage.ZoomRubberBandStarted());
        Click(b);
        EXPECT_FALSE(stage.ZoomRubberBandStarted());
        EXPECT_EQ(g_nStageMode, kStageModeNormal);

        const QRect expected(QPoint(std::min(pa.x, pb.x), std::min(pa.y, pb.y)),
            QPoint(std::max(pa.x, pb.x), std::max(pa.y, pb.y)));
        const RECT prev = AppSettings.ClipPrevRect;
        EXPECT_EQ(QRect(QPoint(prev.left, prev.top), QPoint(prev.right, prev.bottom)), expected);
        int last = 0;
        while (last + 1 < CClipImageStore::kSlotCount && Slot(last + 1))
            ++last;
        const CClipImageSlot* slot = Slot(last);
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(SlotPicture(*slot), picture.copy(expected).convertToFormat(QImage::Format_RGB32));
    }
    // The panel hears the finished range, then that the two clicks are done.
    int prevAt = -1, doneAt = -1;
    for (int i = 0; i < panel.received.size(); ++i) {
        if (panel.received[i].message == WM_CLIPCTL_SET_PREV_RECT)
            prevAt = i;
        if (panel.received[i].message == WM_CLIPCTL_SHOW_POINT && panel.received[i].lParam == 2)
            doneAt = i;
    }
    EXPECT_GE(prevAt, 0);
    EXPECT_EQ(doneAt, prevAt + 1);
    EXPECT_GE(frame.Count(WM_FRAME_STATUS_GUIDE), 3);
}

TEST_F(ViewStageSelection, AReleaseMoreThanFivePixelsFromThePressIsNoClick)
{
    Open(PatternImage(200, 160));
    Enter(2);
    Press(ViewPoint(20, 20));
    Release(ViewPoint(26, 20));
    EXPECT_FALSE(stage.ZoomRubberBandStarted());
    Press(ViewPoint(20, 20));
    Release(ViewPoint(20, 26));
    EXPECT_FALSE(stage.ZoomRubberBandStarted());
    Press(ViewPoint(20, 20));
    Release(ViewPoint(25, 25));
    EXPECT_TRUE(stage.ZoomRubberBandStarted());
    // The cancel command forgets the band and ends the selection.
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(ID_RB_CANCEL_CLIP_RANGE, 0), 0);
    EXPECT_FALSE(stage.ZoomRubberBandStarted());
    EXPECT_EQ(g_nStageMode, kStageModeNormal);
    EXPECT_EQ(Slot(0), nullptr);
}

TEST_F(ViewStageSelection, TheWheelRangeHasItsSizeGrowsByTheStepAndIsCutWithOneClick)
{
    const QImage picture = PatternImage(400, 300);
    Open(picture);
    AppSettings.ClipHorSize = 100;
    AppSettings.ClipVerSize = 50;
    AppSettings.ClipIncVolume = 10;
    Enter(3);
    const CPoint at = ViewPoint(200, 150);
    PointerTo(at);
    Move(at);
    Click(at);
    RECT r = AppSettings.ClipPrevRect;
    EXPECT_EQ(r.right - r.left + 1, 100);
    EXPECT_EQ(r.bottom - r.top + 1, 50);
    // Centred on the pixel under the pointer.
    EXPECT_EQ((r.left + r.right + 1) / 2, 200);
    ASSERT_NE(Slot(0), nullptr);
    EXPECT_EQ(SlotPicture(*Slot(0)), picture.copy(r.left, r.top, 100, 50));

    Enter(3);
    Move(at);
    POINT s{at.x, at.y};
    stage.ClientToScreen(&s);
    stage.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(s.x, s.y));
    Click(at);
    r = AppSettings.ClipPrevRect;
    EXPECT_EQ(r.right - r.left + 1, 110);
    EXPECT_EQ(r.bottom - r.top + 1, 55);

    // A drag in the wheel method cuts nothing.
    Enter(3);
    Move(at);
    Press(at);
    stage.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x + 30, at.y));
    Release(CPoint(at.x + 30, at.y));
    EXPECT_EQ(g_nStageMode, kStageModeSelecting);
    EXPECT_EQ(Slot(2), nullptr);
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(ID_RB_CANCEL_CLIP_RANGE, 0), 0);
}

TEST_F(ViewStageSelection, AFixedRangeReachingTheImagesRightEdgeIsCutWithinTheImage)
{
    // A history row may end at the image width; the crop reads only the image's pixels.
    const QImage picture = PatternImage(120, 90);
    Open(picture);
    AppSettings.FixSaveArea = 1;
    // Its right edge is the image width, one column beyond the last.
    AppSettings.PrevSaveRect = RECT{0, 10, 120, 40};
    Enter(3);
    const CPoint at = ViewPoint(60, 30);
    Move(at);
    Click(at);
    EXPECT_EQ(AppSettings.ClipPrevRect.right, 120);
    ASSERT_NE(Slot(0), nullptr);
    EXPECT_EQ(SlotPicture(*Slot(0)), picture.copy(0, 10, 120, 31));
}

TEST_F(ViewStageSelection, TheThirteenthClipIsRefusedAndTheStageEndsInItsNormalView)
{
    Open(PatternImage(200, 160));
    for (int i = 0; i < CClipImageStore::kSlotCount; ++i) {
        Enter(2);
        Click(ViewPoint(10 + i, 10));
        Click(ViewPoint(40 + i, 30));
    }
    ASSERT_NE(Slot(CClipImageStore::kSlotCount - 1), nullptr);
    ScriptedMessageBoxes boxes;
    Enter(2);
    Click(ViewPoint(10, 10));
    Click(ViewPoint(40, 30));
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("これ以上ウィンドウを開く事は出来ません。")});
    EXPECT_EQ(g_nStageMode, kStageModeNormal);
    EXPECT_FALSE(stage.ZoomRubberBandStarted());
}

TEST_F(ViewStageSelection, TheCropRequestFillsTheLensBufferFromThePixelsShown)
{
    const QImage picture = PatternImage(64, 48);
    Open(picture);
    // The crop reads the image as edited: mirrored here.
    ASSERT_EQ(stage.SendMessage(WM_STAGE_FLIP_LR, 0, 0), 1);
    CClipImageSlot* lens = nullptr;
    RECT r{5, 6, 14, 20};
    ASSERT_EQ(
        stage.SendMessage(WM_STAGE_CROP, reinterpret_cast<WPARAM>(&lens), reinterpret_cast<LPARAM>(&r)), 1);
    ASSERT_NE(lens, nullptr);
    EXPECT_EQ(SlotPicture(*lens), picture.mirrored(true, false).copy(5, 6, 10, 15));
    // Rows are padded with 255.
    const int stride = ((10 * lens->infoHeader.biBitCount + 31) / 32) * 4;
    for (int b = 10 * lens->infoHeader.biBitCount / 8; b < stride; ++b)
        EXPECT_EQ(lens->bits[b], 0xFF);

    // A rectangle wholly outside the image is no crop; one partly outside is cut to it.
    RECT outside{70, 0, 80, 10};
    lens = nullptr;
    EXPECT_EQ(
        stage.SendMessage(WM_STAGE_CROP, reinterpret_cast<WPARAM>(&lens), reinterpret_cast<LPARAM>(&outside)),
        0);
    EXPECT_EQ(lens, nullptr);
    RECT partly{-5, 40, 63, 48};
    ASSERT_EQ(
        stage.SendMessage(WM_STAGE_CROP, reinterpret_cast<WPARAM>(&lens), reinterpret_cast<LPARAM>(&partly)),
        1);
    EXPECT_EQ(SlotPicture(*lens), picture.mirrored(true, false).copy(0, 40, 64, 8));
}

// An 8-bit BMP with a 124-byte header: 14 + 124 + 1024 bytes before its pixels.
QByteArray EightBitV5Bmp(int w, int h)
{
    const int stride = (w + 3) & ~3;
    const int offset = 14 + 124 + 1024;
    QByteArray b(offset + stride * h, '\0');
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<quint32>(b.size()));
    put32(10, offset);
    put32(14, 124);
    put32(18, static_cast<quint32>(w));
    put32(22, static_cast<quint32>(h));
    put16(26, 1);
    put16(28, 8);
    put32(34, static_cast<quint32>(stride * h));
    put32(46, 256);
    for (int i = 0; i < 256; ++i) {
        b[138 + i * 4] = static_cast<char>(i);            // blue
        b[138 + i * 4 + 1] = static_cast<char>(255 - i);  // green
        b[138 + i * 4 + 2] = static_cast<char>(i / 2);    // red
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b[offset + y * stride + x] = static_cast<char>((x * 7 + y * 13) & 0xFF);
    return b;
}

TEST_F(ViewStageSelection, AnEightBitCropCopiesThePaletteAndGetsItsOwnPixelOffset)
{
    const QString path = WriteBytes(QStringLiteral("v5.bmp"), EightBitV5Bmp(30, 20));
    ASSERT_EQ(stage.RequestOpenImageFile(path), 1);
    CClipImageSlot* lens = nullptr;
    RECT r{3, 2, 12, 9};
    ASSERT_EQ(
        stage.SendMessage(WM_STAGE_CROP, reinterpret_cast<WPARAM>(&lens), reinterpret_cast<LPARAM>(&r)), 1);
    ASSERT_NE(lens, nullptr);
    ASSERT_EQ(lens->infoHeader.biBitCount, 8);
    const DWORD offset = lens->fileHeader.bfOffBits;  // the header is packed
    EXPECT_EQ(offset, 14u + 40u + 1024u);
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32).copy(3, 2, 10, 8);
    EXPECT_EQ(SlotPicture(*lens), expected);
}

TEST_F(ViewStageSelection, AnExclusiveOrBandDrawnAndErasedLeavesTheSurfaceAsItWas)
{
    Open(PatternImage(200, 160));
    CWnd* surface = stage.GetDlgItem(IDC_STAGE_SURFACE);
    const QImage before = Surface();
    for (int width : {0, 1, 3}) {
        SCOPED_TRACE(width);
        CDrawRubberBand band(PS_SOLID, width, RGB(255, 0, 0), 1);
        CClientDC dc(surface);
        for (RECT r : {RECT{10, 10, 60, 40}, RECT{20, 15, 21, 80}, RECT{5, 5, 5, 5}, RECT{30, 30, 120, 90}}) {
            band.current = r;
            band.Draw(&dc);
        }
        EXPECT_NE(*dc.GetImage(), before);
        band.Erase(&dc);
        EXPECT_EQ(*dc.GetImage(), before);
    }
}

TEST_F(ViewStageSelection, TheWheelRangeIsFramedOrHighlightedOnItsPixels)
{
    const QImage picture = PatternImage(200, 160);
    Open(picture);
    AppSettings.ClipHorSize = 40;
    AppSettings.ClipVerSize = 20;
    AppSettings.SelRangeColor = RGB(255, 0, 255);
    // Forty by twenty around pixel (100, 80): columns 80..119, rows 70..89.
    const QRect range(80, 70, 40, 20);
    const QRgb frameColour = qRgb(255, 0, 255);

    Enter(3);
    Move(ViewPoint(100, 80));
    for (QPoint corner : {range.topLeft(), range.topRight(), range.bottomLeft(), range.bottomRight()})
        EXPECT_EQ(ViewPixel(corner.x(), corner.y()), frameColour & 0xFFFFFF)
            << corner.x() << "," << corner.y();
    EXPECT_EQ(ViewPixel(100, 80), picture.pixel(100, 80) & 0xFFFFFF);
    EXPECT_EQ(ViewPixel(79, 75), picture.pixel(79, 75) & 0xFFFFFF);
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(ID_RB_CANCEL_CLIP_RANGE, 0), 0);

    // Darker outside: the range itself shows the image unchanged, pixel for pixel.
    AppSettings.HighlightZoomAreaWheel = 1;
    Enter(3);
    Move(ViewPoint(100, 80));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb shown = ViewPixel(x, y), image = picture.pixel(x, y) & 0xFFFFFF;
            if (range.contains(x, y)) {
                ASSERT_EQ(shown, image) << x << "," << y;
            } else if (image != 0) {
                ASSERT_NE(shown, image) << x << "," << y;
            }
        }
    }
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(ID_RB_CANCEL_CLIP_RANGE, 0), 0);
    // Cancelled: the view shows the image again.
    EXPECT_EQ(ViewPixel(10, 10), picture.pixel(10, 10) & 0xFFFFFF);
}

TEST_F(ViewStageSelection, TheZoomLensGivesTheTwoPointsInsteadOfClicks)
{
    const QImage picture = PatternImage(200, 160);
    Open(picture);
    Enter(2);
    const CPoint p = ViewPoint(30, 40);
    POINT client{p.x, p.y}, first{30, 40}, second{70, 55};
    stage.SendMessage(
        WM_STAGE_SET_CLICK_RANGE, reinterpret_cast<WPARAM>(&client), reinterpret_cast<LPARAM>(&first));
    EXPECT_TRUE(stage.ZoomRubberBandStarted());
    EXPECT_EQ(frame.Count(WM_FRAME_STATUS_GUIDE), 1);
    const CPoint p2 = ViewPoint(70, 55);
    client = POINT{p2.x, p2.y};
    stage.SendMessage(
        WM_STAGE_SET_CLICK_RANGE, reinterpret_cast<WPARAM>(&client), reinterpret_cast<LPARAM>(&second));
    EXPECT_EQ(g_nStageMode, kStageModeNormal);
    ASSERT_NE(Slot(0), nullptr);
    EXPECT_EQ(SlotPicture(*Slot(0)), picture.copy(30, 40, 41, 16));
}

// Counts the releases of the pointer's confinement.
class RecordingConfinement : public PointerConfinementService {
public:
    int releases = 0;
    bool ConfinePointerTo(POINT) override { return true; }
    void ReleasePointer() override { ++releases; }
};

TEST_F(ViewStageSelection, ThePointerIsReleasedWhenTheSelectionIsCancelledOrTheStageLosesTheFocus)
{
    Open(PatternImage(200, 160));
    RecordingConfinement confinement;
    DesktopServices& d = Desktop();
    DesktopServices services{d.windows, d.control, d.grab, d.cursor, confinement, d.input, d.frameExtents};
    SetDesktopServicesForTesting(&services);
    AppSettings.FixSaveArea = 1;
    AppSettings.PrevSaveRect = RECT{10, 10, 50, 40};

    Enter(3);
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(ID_RB_CANCEL_CLIP_RANGE, 0), 0);
    EXPECT_EQ(confinement.releases, 1);
    Enter(3);
    stage.SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    EXPECT_EQ(confinement.releases, 2);
    stage.DestroyWindow();
    EXPECT_EQ(confinement.releases, 3);
    SetDesktopServicesForTesting(nullptr);
}

TEST_F(ViewStageSelection, TheCrossHairAndThenTheBandFollowTheMouse)
{
    const QImage picture = PatternImage(200, 160);
    Open(picture);
    AppSettings.SelRangeColor = RGB(0, 255, 0);
    const QRgb mark = qRgb(0, 255, 0) & 0xFFFFFF;
    Enter(2);
    Move(ViewPoint(30, 40));
    EXPECT_EQ(ViewPixel(10, 40), mark);
    EXPECT_EQ(ViewPixel(150, 40), mark);
    EXPECT_EQ(ViewPixel(30, 10), mark);
    EXPECT_EQ(ViewPixel(31, 41), picture.pixel(31, 41) & 0xFFFFFF);

    // From the first point the band runs over the start and the end pixel.
    Click(ViewPoint(20, 20));
    Move(ViewPoint(60, 50));
    for (QPoint on :
        {QPoint(20, 20), QPoint(20, 35), QPoint(60, 35), QPoint(40, 20), QPoint(40, 50), QPoint(60, 50)})
        EXPECT_EQ(ViewPixel(on.x(), on.y()), mark) << on.x() << "," << on.y();
    // The cross-hair is gone and the inside shows the image.
    EXPECT_EQ(ViewPixel(150, 40), picture.pixel(150, 40) & 0xFFFFFF);
    EXPECT_EQ(ViewPixel(40, 35), picture.pixel(40, 35) & 0xFFFFFF);
    stage.SendMessage(WM_COMMAND, MAKEWPARAM(ID_RB_CANCEL_CLIP_RANGE, 0), 0);
}

TEST_F(ViewStageSelection, AnExclusiveOrLineMovedAndErasedLeavesTheSurfaceAsItWas)
{
    Open(PatternImage(200, 160));
    CClientDC dc(stage.GetDlgItem(IDC_STAGE_SURFACE));
    const QImage before = *dc.GetImage();
    CDrawXorLine line(PS_SOLID, 1, RGB(255, 255, 0));
    line.MoveLine(&dc, POINT{2, 30}, POINT{150, 30}, 1);
    line.MoveLine(&dc, POINT{2, 31}, POINT{150, 90}, 1);
    line.MoveLine(&dc, POINT{2, 31}, POINT{150, 90}, 1);  // the same line: nothing drawn twice
    EXPECT_NE(*dc.GetImage(), before);
    EXPECT_EQ(line.Erase(&dc), 1);
    EXPECT_EQ(*dc.GetImage(), before);
    EXPECT_EQ(line.Erase(&dc), 0);

    ScriptedMessageBoxes boxes;
    line.DrawLine(&dc, POINT{-1, -1}, POINT{-1, -1});
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("No Setting coordinate.")});
    EXPECT_EQ(*dc.GetImage(), before);
}

}  // namespace
