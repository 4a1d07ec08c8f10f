#include "clip/stage_open_rules.h"

#include "clip/stage_messages.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kImageTypes = {u"bmp", u"jpg", u"jpeg", u"tif", u"tiff", u"gif", u"png"};

bool IsImageType(const QString& extension)
{
    return std::any_of(kImageTypes.begin(), kImageTypes.end(), [&](const char16_t* type) {
        return extension.compare(QString::fromUtf16(type), Qt::CaseInsensitive) == 0;
    });
}

}  // namespace

QString ExtensionOfName(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

StageOpenRoute RouteOpenRequest(WPARAM kind, const QString& extension)
{
    if (extension.isEmpty())
        return StageOpenRoute::Fail;
    switch (kind) {
    case kStageOpenActiveWindow:
    case kStageOpenFullScreen:
    case kStageOpenChosenWindow:
        return StageOpenRoute::Capture;
    case kStageOpenClipboard:
        return StageOpenRoute::Clipboard;
    default:
        return IsImageType(extension) ? StageOpenRoute::LoadFile : StageOpenRoute::Unsupported;
    }
}

CaptureChoice CaptureChoiceFor(int answer)
{
    switch (answer) {
    case 6:
        return CaptureChoice::ScrollCapture;
    case 7:  // also a declined question: its button says "( 通常のキャプチャ )"
        return CaptureChoice::NormalCapture;
    default:
        return CaptureChoice::Nothing;
    }
}

RECT ScrollAreaToImageRange(const RECT& area, int width, int height)
{
    const RECT whole{0, 0, width - 1, height - 1};
    RECT r{std::max<LONG>(area.left, 0), std::max<LONG>(area.top, 0),
        std::min<LONG>(area.right - 1, whole.right), std::min<LONG>(area.bottom - 1, whole.bottom)};
    if (r.right < r.left || r.bottom < r.top)
        return whole;
    return r;
}
