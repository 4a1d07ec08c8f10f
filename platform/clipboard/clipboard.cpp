#include "platform/clipboard/clipboard.h"

#include "platform/clipboard/clipboard_viewers.h"
#include "platform/clipboard/drop_file_list.h"
#include "platform/clipboard/file_list_formats.h"
#include "platform/gdi/gdi.h"
#include "platform/system/cp932.h"
#include "platform/window/ui_thread.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Data the clipboard holds for the program: handed over with
// SetClipboardData or made for GetClipboardData.
struct HeldData {
    HBITMAP bitmap = nullptr;
    HGLOBAL textBlock = nullptr;
    QString text;
    HGLOBAL fileListBlock = nullptr;
    QStringList files;
};

struct ClipboardState {
    bool open = false;
    HWND openedBy = nullptr;
    bool changing = false;          // our own change: its signal is no news
    bool changedWhileOpen = false;  // the viewers hear of it at close

    HeldData held;
    // Data of a content another program replaced while the clipboard was
    // open: no longer answered, freed at close (a caller may still use it).
    std::vector<HeldData> retired;

    // The formats on the clipboard, as last learnt.
    bool formatsKnown = false;
    bool hasBitmap = false;
    bool hasText = false;
    bool hasFiles = false;

    QPointer<QMimeData> published;  // our last content, while the clipboard holds it
    QPointer<QObject> watch;        // lives as long as the application
};

ClipboardState& State()
{
    static ClipboardState state;
    return state;
}

QClipboard* DesktopClipboard()
{
    return QGuiApplication::clipboard();
}

void Free(HeldData& data)
{
    if (data.bitmap)
        DeleteObject(data.bitmap);
    for (HGLOBAL block : {data.textBlock, data.fileListBlock})
        if (block)
            FreeClipboardGlobalBlock(block);
    data = HeldData{};
}

void FreeRetired(ClipboardState& s)
{
    for (HeldData& data : s.retired)
        Free(data);
    s.retired.clear();
}

void LearnFormats(ClipboardState& s)
{
    const QMimeData* data = DesktopClipboard()->mimeData();
    s.hasBitmap = data && data->hasImage();
    s.hasText = data && data->hasText();
    s.hasFiles = data && data->hasUrls();
    s.formatsKnown = true;
}

// A change of the clipboard's content. Our own publications are known
// already; anything else came from another program.
void OnClipboardChanged()
{
    ClipboardState& s = State();
    if (s.changing || (s.published && DesktopClipboard()->mimeData() == s.published))
        return;
    s.published = nullptr;
    LearnFormats(s);
    if (s.held.bitmap || s.held.textBlock || s.held.fileListBlock)
        s.retired.push_back(std::exchange(s.held, HeldData{}));
    if (s.open) {
        s.changedWhileOpen = true;
        return;
    }
    FreeRetired(s);
    NotifyClipboardViewers();
}

// Gives the desktop what the program holds now (with nothing held, an empty clipboard).
void Publish(ClipboardState& s)
{
    auto* data = new QMimeData;
    if (s.held.bitmap)
        data->setImageData(s.held.bitmap->image);
    if (s.held.textBlock)
        data->setText(s.held.text);
    if (s.held.fileListBlock) {
        // File managers paste from either form.
        data->setData(QString::fromLatin1(kUriListMime), FileUriListBytes(s.held.files));
        data->setData(QString::fromLatin1(kGnomeCopiedFilesMime), GnomeCopiedFilesBytes(s.held.files));
    }
    s.published = data;  // a late change signal still knows it for ours
    s.changing = true;
    DesktopClipboard()->setMimeData(data);
    s.changing = false;
    s.hasBitmap = s.held.bitmap != nullptr;
    s.hasText = s.held.textBlock != nullptr;
    s.hasFiles = s.held.fileListBlock != nullptr;
    s.formatsKnown = true;
    s.changedWhileOpen = true;
}

// The code page 932 text of a block: its bytes up to the first NUL.
std::optional<QString> BlockText(HGLOBAL block)
{
    QByteArray bytes = GlobalBlockBytes(block);
    if (bytes.isNull())
        return std::nullopt;
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    return DecodeCp932(bytes);
}

HANDLE SetBitmap(ClipboardState& s, HBITMAP bitmap)
{
    if (bitmap->kind != GdiObject::Kind::Bitmap || bitmap->stock)
        return nullptr;
    if (s.held.bitmap && s.held.bitmap != bitmap)
        DeleteObject(s.held.bitmap);
    // The bitmap is the clipboard's now: a CBitmap that held it lets it go.
    if (bitmap->wrapper)
        bitmap->wrapper->Detach();
    s.held.bitmap = bitmap;
    Publish(s);
    return bitmap;
}

HANDLE SetText(ClipboardState& s, HGLOBAL block)
{
    if (block == s.held.textBlock)
        return block;
    const std::optional<QString> text = BlockText(block);
    if (!text || !TakeGlobalBlockForClipboard(block))
        return nullptr;
    if (s.held.textBlock)
        FreeClipboardGlobalBlock(s.held.textBlock);
    s.held.textBlock = block;
    s.held.text = *text;
    Publish(s);
    return block;
}

HANDLE SetFileList(ClipboardState& s, HGLOBAL block)
{
    if (block == s.held.fileListBlock)
        return block;
    const std::optional<QStringList> files = ReadDropFileList(GlobalBlockBytes(block));
    if (!files || !TakeGlobalBlockForClipboard(block))
        return nullptr;
    if (s.held.fileListBlock)
        FreeClipboardGlobalBlock(s.held.fileListBlock);
    s.held.fileListBlock = block;
    s.held.files = *files;
    Publish(s);
    return block;
}

HANDLE GetBitmap(ClipboardState& s)
{
    if (s.held.bitmap)
        return s.held.bitmap;
    const QImage image = DesktopClipboard()->image();
    if (image.isNull())
        return nullptr;
    auto* bitmap = new GdiBitmap;
    bitmap->image = image.convertToFormat(QImage::Format_RGB32);
    s.held.bitmap = bitmap;
    return bitmap;
}

HANDLE GetText(ClipboardState& s)
{
    if (s.held.textBlock)
        return s.held.textBlock;
    const QMimeData* data = DesktopClipboard()->mimeData();
    if (!data || !data->hasText())
        return nullptr;
    const QString text = data->text();
    const std::optional<QByteArray> bytes = EncodeCp932(text);
    if (!bytes)
        return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(bytes->size()) + 1);
    if (!block)
        return nullptr;
    std::memcpy(GlobalLock(block), bytes->constData(), static_cast<std::size_t>(bytes->size()));
    GlobalUnlock(block);
    TakeGlobalBlockForClipboard(block);
    s.held.textBlock = block;
    s.held.text = text;
    return block;
}

}  // namespace

void FollowClipboardChanges()
{
    KESTREL_ASSERT_UI_THREAD();
    ClipboardState& s = State();
    if (s.watch || !qGuiApp)
        return;
    s.watch = new QObject(QCoreApplication::instance());
    QObject::connect(DesktopClipboard(), &QClipboard::dataChanged, s.watch, &OnClipboardChanged);
    s.formatsKnown = false;
}

BOOL OpenClipboard(HWND owner)
{
    KESTREL_ASSERT_UI_THREAD();
    FollowClipboardChanges();
    ClipboardState& s = State();
    if (!s.watch || (s.open && s.openedBy != owner))
        return FALSE;
    s.open = true;
    s.openedBy = owner;
    return TRUE;
}

BOOL CloseClipboard()
{
    KESTREL_ASSERT_UI_THREAD();
    ClipboardState& s = State();
    if (!s.open)
        return FALSE;
    s.open = false;
    s.openedBy = nullptr;
    FreeRetired(s);
    const bool changed = s.changedWhileOpen;
    s.changedWhileOpen = false;
    if (changed)
        NotifyClipboardViewers();
    return TRUE;
}

BOOL EmptyClipboard()
{
    KESTREL_ASSERT_UI_THREAD();
    ClipboardState& s = State();
    if (!s.open)
        return FALSE;
    Free(s.held);
    // Content of no format, rather than clearing, which leaves another
    // program's content in place on X11: emptying takes the clipboard over.
    Publish(s);
    return TRUE;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    KESTREL_ASSERT_UI_THREAD();
    FollowClipboardChanges();
    ClipboardState& s = State();
    if (!s.watch)
        return FALSE;
    if (!s.formatsKnown)
        LearnFormats(s);
    switch (format) {
    case CF_BITMAP:
        return s.hasBitmap ? TRUE : FALSE;
    case CF_TEXT:
        return s.hasText ? TRUE : FALSE;
    case CF_HDROP:
        return s.hasFiles ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

HANDLE GetClipboardData(UINT format)
{
    KESTREL_ASSERT_UI_THREAD();
    ClipboardState& s = State();
    if (!s.open)
        return nullptr;
    switch (format) {
    case CF_BITMAP:
        return GetBitmap(s);
    case CF_TEXT:
        return GetText(s);
    default:
        return nullptr;
    }
}

HANDLE SetClipboardData(UINT format, HANDLE data)
{
    KESTREL_ASSERT_UI_THREAD();
    ClipboardState& s = State();
    if (!s.open || !data)
        return nullptr;
    switch (format) {
    case CF_BITMAP:
        return SetBitmap(s, static_cast<HBITMAP>(data));
    case CF_TEXT:
        return SetText(s, static_cast<HGLOBAL>(data));
    case CF_HDROP:
        return SetFileList(s, static_cast<HGLOBAL>(data));
    default:
        return nullptr;
    }
}
