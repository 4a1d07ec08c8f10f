#include "app/frame_bars.h"

#include "res/frame_command_ids.h"
#include "res/frame_strings.h"

namespace {

void AddItems(CFrameWnd& frame, int popup, const FrameMenuPopup& source)
{
    for (const FrameMenuItem& item : source.items) {
        if (item.IsSeparator()) {
            frame.AddMenuSeparator(popup);
        } else if (item.submenu) {
            const int sub = frame.AddMenuPopup(QString::fromUtf16(item.text), popup);
            AddItems(frame, sub, *item.submenu);
        } else {
            frame.AddMenuItem(popup, item.id, QString::fromUtf16(item.text), CommandPromptOf(item.id).prompt);
        }
    }
}

// The character a toolbar button's picture shows.
QString ToolbarGlyphOf(UINT command)
{
    for (int i = 0; i < 12; ++i)
        if (ClipWindowCommandOf(i) == command)
            return QString::number(i + 1);
    struct Glyph {
        UINT id;
        char16_t glyph;
    };
    static constexpr Glyph kGlyphs[] = {
        {ID_FILE_NEW_IMAGE, u'新'},
        {ID_FILE_OPEN_IMAGE, u'開'},
        {ID_FILE_SAVE_IMAGE, u'保'},
        {ID_FILE_PRINT_IMAGE, u'印'},
        {ID_VIEW_FILE_TREE, u'F'},
        {ID_FILE_WORK_FOLDER, u'W'},
        {ID_VIEW_FOLDER_TREE, u'D'},
        {ID_VIEW_THUMB_MASK, u'M'},
        {ID_VIEW_MEASURE, u'測'},
        {ID_VIEW_ZOOM_IN, u'+'},
        {ID_VIEW_ZOOM_OUT, u'-'},
        {ID_EDIT_PASTE_IMAGE, u'貼'},
        {ID_EDIT_RESET_IMAGE, u'元'},
        {ID_EDIT_COLOR_ADJUST, u'色'},
        {ID_EDIT_FLIP_LR, u'↔'},
        {ID_EDIT_FLIP_TB, u'↕'},
        {ID_EDIT_ROTATE_90, u'回'},
        {ID_CLIPWINDOW_SHOW_ALL, u'全'},
        {ID_CLIPWINDOW_CLOSE_ALL, u'閉'},
        {ID_OPTION_OPTIONS, u'設'},
        {ID_OPTION_EXIF_VIEW, u'E'},
        {ID_OPTION_EXIF_CLEAR, u'C'},
        {ID_APP_ABOUT, u'?'},
    };
    for (const Glyph& g : kGlyphs)
        if (g.id == command)
            return QString(QChar(g.glyph));
    return QStringLiteral("?");
}

}  // namespace

void BuildFrameMenu(CFrameWnd& frame, const FrameMenu& menu)
{
    frame.ClearMenuBar();
    for (const FrameMenuPopup& popup : menu.popups)
        AddItems(frame, frame.AddMenuPopup(QString::fromUtf16(popup.title)), popup);
}

void BuildFrameToolbar(CFrameWnd& frame, const FrameToolbar& toolbar)
{
    frame.ClearToolbar();
    for (const FrameToolbarButton& b : toolbar.buttons) {
        if (b.IsSeparator()) {
            frame.AddToolbarSeparator();
            continue;
        }
        const CommandPrompt p = CommandPromptOf(b.command);
        frame.AddToolbarButton(b.command, MakeToolbarGlyph(b.image, ToolbarGlyphOf(b.command)), p.toolTip,
            p.prompt, b.checkStyle);
    }
}
