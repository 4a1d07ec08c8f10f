#include "multiview/multi_control_rules.h"

#include "core/histories.h"
#include "core/multi_view_messages.h"
#include "core/text_utils.h"
#include "res/dialog_279_multi_control.h"

void MoveFolderToHistoryFront(QString (&history)[kMultiFolderHistoryCount], const QString& folder)
{
    const int found = FindPathInHistory(history, folder, kMultiFolderHistoryCount);
    PushFrontPathHistory(history, folder, found >= 0 ? found + 1 : kMultiFolderHistoryCount);
}

int StepThumbSize(int size, int wheelDelta)
{
    if (wheelDelta < 1)
        return size >= kThumbSizeMin + kThumbSizeStep ? size - kThumbSizeStep : size;
    return size <= kThumbSizeMax - kThumbSizeStep ? size + kThumbSizeStep : size;
}

bool IsThumbSizeInRange(int size)
{
    return size >= kThumbSizeMin && size <= kThumbSizeMax;
}

unsigned SortBitsOfKey(int key)
{
    if (key == kSortByName)
        return kSortBitName;
    if (key == kSortBySize)
        return kSortBitSize;
    return kSortBitDate;
}

LoadStopStep LoadStopTransition(int changed, int displayState)
{
    LoadStopStep step;
    if (changed == 0 && displayState == 0)
        return step;
    step.act = true;
    int state = displayState;
    if (changed != 0 || state == 0) {
        step.clearFirst = true;
        state = 2;
    }
    step.newState = state == 1 ? 2 : 1;
    return step;
}

QString CellPositionText(int x, int y)
{
    return QString::asprintf("X = %03d, Y = %03d", x, y);
}

QString FileFactText(const QString* text)
{
    return text ? *text : QStringLiteral("---");
}

QString FileSizeText(ULONGLONG bytes, const SIZE* imageSize)
{
    const QString size = bytes == 0 ? QStringLiteral("---") : FormatByteSize(bytes);
    if (imageSize && imageSize->cx >= 1 && imageSize->cx <= 99999)
        return QStringLiteral("%1 (%2×%3)").arg(size).arg(imageSize->cx).arg(imageSize->cy);
    return QStringLiteral("%1 (---)").arg(size);
}

namespace {

const QString kTotalsPrefix = QStringLiteral("選択/総数 : ");

}  // namespace

QString TotalsText(int total)
{
    return kTotalsPrefix + QStringLiteral("0/") + QString::number(total);
}

QString SelectedCountText(int selected, const QString& shownTotal)
{
    return kTotalsPrefix + QString::number(selected) + QLatin1Char('/') + shownTotal;
}

MultiButtonStates ComputeMultiButtonStates(const MultiButtonFacts& f)
{
    MultiButtonStates s;
    s.focusButtons = f.focus != -1 && f.total != 0;
    s.selectionButtons = (s.focusButtons || f.selected > 0) && f.sortReadyAtFocus;
    s.loadStop = f.changed || f.displayState != 0;
    s.clearView = !f.listEmpty;
    return s;
}

namespace {

constexpr HoverArea kTopics[] = {
    {IDC_MULTICTL_LOAD_STOP, 1, {}},
    {IDC_MULTICTL_FOLDER_DIALOG, 2, {}},
    {IDC_MULTICTL_GRID_VIEW, 3, {}},
    {IDC_MULTICTL_PREVIEW_VIEW, 6, {}},
    {IDC_MULTICTL_CLEAR_VIEW, 7, {}},
    {IDC_MULTICTL_COPY_PICTURE, 8, {}},
    {IDC_MULTICTL_OPEN_IN_CLIP, 9, {}},
    {IDC_MULTICTL_DELETE, 10, {}},
    {IDC_MULTICTL_COPY_FILES, 11, {}},
    {IDC_MULTICTL_BATCH_SHRINK, 12, {}},
    {IDC_MULTICTL_RENAME_ONE, 13, {}},
    {IDC_MULTICTL_RENAME_BATCH, 14, {}},
};

}  // namespace

std::span<const HoverArea> MultiHoverTopics()
{
    return kTopics;
}

int HoverTopicAt(std::span<const HoverArea> areas, POINT p)
{
    for (const HoverArea& a : areas)
        if (p.x >= a.rect.left && p.x < a.rect.right && p.y >= a.rect.top && p.y < a.rect.bottom)
            return a.topic;
    return 0;
}

namespace {
bool g_allPanelButtonsAvailable = false;
}  // namespace

void SetAllPanelButtonsAvailableForTesting(bool all)
{
    g_allPanelButtonsAvailable = all;
}

bool IsPanelButtonAvailable(int id)
{
    if (g_allPanelButtonsAvailable)
        return true;
    (void)id;
    return true;
}
