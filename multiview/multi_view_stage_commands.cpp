// The stage's right-click menu and the operations on one whole picture:
// copying it to the clipboard, opening it in clip mode, and loading it
// (for those and for the preview).
#include "multiview/multi_view_stage.h"

#include "clip/stage_messages.h"
#include "core/app_state.h"
#include "core/copy_messages.h"
#include "core/frame_messages.h"
#include "core/multi_control_messages.h"
#include "core/multi_view_globals.h"
#include "core/multi_view_messages.h"
#include "core/shared_paths.h"
#include "imaging/image_file_loaders.h"
#include "imaging/image_messages.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "imaging/png_transparency.h"
#include "multiview/multi_view_menu_rules.h"
#include "multiview/thumbnail_list.h"
#include "platform/app/menu.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/cursor.h"
#include "platform/window/pointer_position.h"
#include "print/print_dialog.h"
#include "res/dialog_279_multi_control.h"
#include "res/menu_296_multi_view.h"

namespace {

// The mode bar's button that goes back to clip mode.
constexpr int kModeBarClipButton = 1112;

QString ExtensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

// Loads without the readers' own error boxes: the caller reports.
int LoadQuietly(const QString& extension, CLoadBitmap_for_Dlg* loader, CPngTransparency* transparency)
{
    const int shown = g_bShowImageErrors.exchange(0);
    const int loaded = CDlgMultiViewStage::LoadImageFileByExtension(extension, loader, transparency);
    g_bShowImageErrors.store(shown);
    return loaded;
}

}  // namespace

// ----- the menu -----

void CDlgMultiViewStage::OnRButtonUp(UINT flags, CPoint point)
{
    (void)flags;
    if (IgnoresMouse() || m_list->GetFileCount() == 0)
        return;
    const int position = PositionAtClient(POINT{point.x, point.y});
    if (position == -1)
        return;
    m_contextItem = position;
    POINT screen{};
    GetCursorPos(&screen);
    ShowContextMenu(screen);
}

void CDlgMultiViewStage::ShowContextMenu(POINT screen)
{
    MultiMenuFacts facts;
    facts.contextHasThumbnail = m_list->IsThumbnailLoaded(m_contextItem) != 0;
    facts.hasFocus = m_scroll.Focus() != -1;
    facts.focusSortReady = m_list->IsSortReady(m_scroll.Focus()) != 0;
    CMenu menu;
    menu.CreatePopupMenu();
    for (const FrameMenuItem& item : kMenu296MultiView.popups[0].items) {
        const UINT state = IsMultiMenuItemEnabled(item.id, facts) ? MF_ENABLED : MF_GRAYED;
        menu.AppendMenu(MF_STRING | state, item.id, QString::fromUtf16(item.text));
    }
    // The choice comes back as WM_COMMAND.
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

bool CDlgMultiViewStage::OnContextCommand(UINT id)
{
    switch (id) {
    case ID_MULTI_OPEN_IN_CLIP:
        if (m_contextItem != -1)
            SendMessage(WM_MULTI_OPEN_IN_CLIP_MODE, static_cast<WPARAM>(m_contextItem));
        return true;
    case ID_MULTI_COPY_PICTURE:
        if (m_contextItem != -1)
            SendMessage(WM_MULTI_COPY_PICTURE, static_cast<WPARAM>(m_contextItem));
        return true;
    case ID_MULTI_PRINT:
        if (m_contextItem != -1)
            OnPrintItem(m_contextItem);
        return true;
    case ID_MULTI_COPY_FILES:
        if (m_contextItem != -1)
            SendToPanel(WM_COMMAND, MAKEWPARAM(IDC_MULTICTL_COPY_FILES, 0));
        return true;
    case ID_MULTI_RENAME_ONE:
    case ID_MULTI_RENAME_BATCH: {
        const int mode = id == ID_MULTI_RENAME_ONE ? 1 : 2;
        g_nRenameMode = static_cast<BYTE>(mode);
        if (m_parentWnd && m_parentWnd->GetSafeHwnd())
            m_parentWnd->SendMessage(WM_FRAME_RENAME, static_cast<WPARAM>(mode));
        return true;
    }
    case ID_MULTI_BATCH_SHRINK:
        SendMessage(WM_MULTI_BATCH_SHRINK);
        return true;
    case ID_MULTI_DELETE_ONE: {
        // The EXIF window closes before its file may go.
        SendToPanel(WM_MULTICTL_RESET_EXIF_BUTTON);
        if (m_parentWnd && m_parentWnd->GetSafeHwnd())
            m_parentWnd->SendMessage(WM_FRAME_CLOSE_EXIFVIEW);
        // The folder the list's names come from.
        const QString folder = m_list->GetFolder();
        SendMessage(
            WM_MULTI_DELETE_ONE, reinterpret_cast<WPARAM>(&folder), static_cast<LPARAM>(m_contextItem));
        return true;
    }
    default:
        return false;
    }
}

LRESULT CDlgMultiViewStage::OnInputMessage(UINT message, WPARAM wParam, LPARAM, bool* handled)
{
    *handled = true;
    switch (message) {
    case WM_MULTI_COPY_PICTURE:
        return OnCopyPicture(static_cast<int>(wParam));
    case WM_MULTI_OPEN_IN_CLIP_MODE:
        return OnOpenInClipMode(static_cast<int>(wParam));
    default:
        *handled = false;
        return 0;
    }
}

// ----- whole pictures -----

LRESULT CDlgMultiViewStage::OnCopyPicture(int position)
{
    bool mustFree = false;
    int loaded = 0;
    {
        CWaitCursor wait;
        loaded = LoadItemImage(position, &mustFree);
    }
    CLoadBitmap_for_Dlg* loader = m_list->GetFullImageLoader();
    int result = 3;
    if (loaded && loader && m_list->GetSourceDC() && loader->CreateBitmap(m_list->GetSourceDC()) &&
        loader->ddb) {
        result = 0;
        if (m_parentWnd && m_parentWnd->GetSafeHwnd() &&
            m_parentWnd->SendMessage(WM_FRAME_COPY_BITMAP, reinterpret_cast<WPARAM>(loader->ddb)) == 1) {
            loader->ddb = nullptr;  // the clipboard's now
            result = 1;
        }
    }
    ShowClipboardCopyMessage(result, GetSafeHwnd());
    if (loader && mustFree)
        loader->Free();
    return 1;
}

LRESULT CDlgMultiViewStage::OnPrintItem(int position)
{
    if (position == -1)
        return 1;
    m_printing = true;
    bool mustFree = false;
    int loaded = 0;
    {
        CWaitCursor wait;
        loaded = LoadItemImage(position, &mustFree);
    }
    CLoadBitmap_for_Dlg* loader = m_list->GetFullImageLoader();
    if (loaded && loader && m_list->GetSourceDC() && loader->CreateBitmap(m_list->GetSourceDC()) &&
        loader->ddb) {
        if (!CDlgPrintOut::Running()) {
            LONG width = 0;
            LONG height = 0;
            loader->GetSize(&width, &height);
            CDlgPrintOut dialog(
                loader->ddb, CDC::FromHandle(loader->memDC), SIZE{width, height < 0 ? -height : height});
            dialog.DoModal();
        }
    } else {
        AfxMessageBox(QStringLiteral("印刷データの作成に失敗しました。"));
    }
    if (loader && mustFree)
        loader->Free();
    m_printing = false;
    return 1;
}

LRESULT CDlgMultiViewStage::OnOpenInClipMode(int position)
{
    const WORD file = position >= 0 ? m_list->GetSortIndex(position) : kNoFileIndex;
    if (file == kNoFileIndex || file >= m_list->GetFileCount())
        return 1;
    g_szOpenFilePath = m_list->GetFilePath(file);
    AppStateSource& app = GetAppState();
    // Back to clip mode first, then the stage opens the file.
    if (const HWND modeBar = app.Window(AppWindow::ModeBar))
        ::PostMessage(modeBar, WM_COMMAND, MAKEWPARAM(kModeBarClipButton, 0), 0);
    if (const HWND viewStage = app.Window(AppWindow::ViewStage))
        ::PostMessage(viewStage, WM_STAGE_OPEN_SHARED_PATH, 0, 0);
    return 1;
}

int CDlgMultiViewStage::LoadImageFileByExtension(
    const QString& extension, CLoadBitmap_for_Dlg* loader, CPngTransparency* transparency)
{
    if (!loader || !transparency)
        return 0;
    return LoadImageFile(extension, loader, transparency, {});
}

int CDlgMultiViewStage::LoadItemImage(int position, bool* mustFree)
{
    *mustFree = false;
    const WORD file = position >= 0 ? m_list->GetSortIndex(position) : kNoFileIndex;
    CLoadBitmap_for_Dlg* loader = m_list->GetFullImageLoader();
    if (file == kNoFileIndex || file >= m_list->GetFileCount() || !loader)
        return 0;
    const QString path = m_list->GetFilePath(file);
    // The preview's picture serves only for the file it shows.
    if (m_viewMode == kMultiViewPreview && loader->IsLoaded() && loader->path.Path() == path)
        return 1;
    *mustFree = true;
    const QString name = m_list->GetFileName(file);
    loader->Free();
    loader->path.SetNameAndFolder(name, m_list->GetFolder());
    if (name.isEmpty()) {
        m_list->SetUnreadableThumbnail(file);
        return 1;
    }
    if (!m_transparency)
        m_transparency = std::make_unique<CPngTransparency>();
    if (LoadQuietly(ExtensionOf(name), loader, m_transparency.get()))
        return 1;
    m_list->SetUnreadableThumbnail(file);
    return 0;
}

HBITMAP CDlgMultiViewStage::LoadPreviewBitmap(const QString& path)
{
    CLoadBitmap_for_Dlg* loader = m_list->GetFullImageLoader();
    if (!loader || !m_sourceDC)
        return nullptr;
    loader->Free();
    loader->path.SetPath(path);
    if (!m_transparency)
        m_transparency = std::make_unique<CPngTransparency>();
    if (!LoadQuietly(ExtensionOf(NamePartOfPath(path)), loader, m_transparency.get()) ||
        !loader->CreateBitmap(m_sourceDC->GetSafeHdc())) {
        loader->Free();
        return nullptr;
    }
    // The preview keeps the bitmap; the loader keeps the pixels, which a
    // copy or a print of the same file then uses.
    HBITMAP bitmap = loader->ddb;
    loader->ddb = nullptr;
    return bitmap;
}
