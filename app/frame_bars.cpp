#include "app/frame_bars.h"

#include "res/frame_strings.h"
#include "res/menu_pictures.h"

namespace {

const CIconMenuItem* RecordOf(UINT_PTR data)
{
    return reinterpret_cast<const CIconMenuItem*>(data);
}

void AddItems(CFrameWnd& frame, int popup, const FrameMenuPopup& source, const IconMenuItemSet& items)
{
    for (const FrameMenuItem& item : source.items) {
        if (item.IsSeparator()) {
            frame.AddMenuSeparator(popup);
            continue;
        }
        const CIconMenuItem* record = items.Find(item.id);
        const auto data = reinterpret_cast<UINT_PTR>(record);
        const QString text = QString::fromUtf16(item.text);
        if (item.submenu)
            AddItems(frame, frame.AddOwnerDrawnMenuPopup(text, popup, item.id, data), *item.submenu, items);
        else
            frame.AddOwnerDrawnMenuItem(popup, item.id, data, text, CommandPromptOf(item.id).prompt);
    }
}

}  // namespace

IconMenuItemSet::IconMenuItemSet(const FrameMenu& menu, int iconScale) : m_menu(menu)
{
    for (const FrameMenuPopup& popup : menu.popups)
        Add(popup, iconScale);
}

void IconMenuItemSet::Add(const FrameMenuPopup& popup, int iconScale)
{
    for (const FrameMenuItem& item : popup.items) {
        if (item.IsSeparator())
            continue;
        m_items.push_back(std::make_unique<CIconMenuItem>(
            item.id, QString::fromUtf16(item.text), QString(), static_cast<int>(item.bitmap), 0, iconScale));
        if (item.submenu)
            Add(*item.submenu, iconScale);
    }
}

const CIconMenuItem* IconMenuItemSet::Find(UINT id) const
{
    for (const auto& item : m_items)
        if (item->Id() == id)
            return item.get();
    return nullptr;
}

std::unique_ptr<IconMenuItemSet> CreateMainMenuItems(int iconScale)
{
    return std::make_unique<IconMenuItemSet>(kMenu128Main, iconScale);
}

std::unique_ptr<IconMenuItemSet> CreateMultiViewMenuItems(int iconScale)
{
    return std::make_unique<IconMenuItemSet>(kMenu134MultiView, iconScale);
}

void BuildFrameMenu(CFrameWnd& frame, const IconMenuItemSet& items)
{
    frame.ClearMenuBar();
    for (const FrameMenuPopup& popup : items.Menu().popups)
        AddItems(frame, frame.AddMenuPopup(QString::fromUtf16(popup.title)), popup, items);
}

void BuildFrameToolbar(CFrameWnd& frame, const FrameToolbar& toolbar, int iconScale)
{
    frame.ClearToolbar();
    const int side = MenuPictureSide(iconScale);
    frame.SetToolbarIconSide(side);
    const QImage strip = ToolbarStrip(static_cast<int>(toolbar.id), iconScale);
    for (const FrameToolbarButton& b : toolbar.buttons) {
        if (b.IsSeparator()) {
            frame.AddToolbarSeparator();
            continue;
        }
        const CommandPrompt p = CommandPromptOf(b.command);
        frame.AddToolbarButton(
            b.command, strip.copy(b.image * side, 0, side, side), p.toolTip, p.prompt, b.checkStyle);
    }
}

void MeasureFrameMenuItem(MEASUREITEMSTRUCT* measure, int iconScale)
{
    if (const CIconMenuItem* record = RecordOf(measure->itemData))
        MeasureIconMenuItem(measure, record->Text(), iconScale);
}

void DrawFrameMenuItem(const DRAWITEMSTRUCT& item, int iconScale)
{
    if (const CIconMenuItem* record = RecordOf(item.itemData))
        DrawIconMenuItem(item, record->Bitmap(), record->Text(), IconMenuStateOf(item), iconScale);
}
