#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/system/picture_block.h"

#include <cstring>
#include <mutex>

GdiObject::~GdiObject()
{
    delete tempWrapper;
}

namespace {

GdiObject* MakeStock(int which)
{
    auto solidBrush = [](COLORREF c) {
        auto* b = new GdiBrush;
        b->color = c;
        return b;
    };
    auto pen = [](int style, COLORREF c) {
        auto* p = new GdiPen;
        p->style = style;
        p->color = c;
        return p;
    };
    auto font = [](int height, int weight, const char16_t* face) {
        auto* f = new GdiFont;
        f->logFont.lfHeight = height;
        f->logFont.lfWeight = weight;
        f->logFont.lfCharSet = SHIFTJIS_CHARSET;
        std::memcpy(f->logFont.lfFaceName, face, std::char_traits<char16_t>::length(face) * sizeof(char16_t));
        f->font = QFontFromLogFont(f->logFont);
        return f;
    };
    switch (which) {
    case WHITE_BRUSH:
        return solidBrush(0xFFFFFF);
    case LTGRAY_BRUSH:
        return solidBrush(0xC0C0C0);
    case GRAY_BRUSH:
        return solidBrush(0x808080);
    case DKGRAY_BRUSH:
        return solidBrush(0x404040);
    case BLACK_BRUSH:
        return solidBrush(0);
    case NULL_BRUSH: {
        auto* b = new GdiBrush;
        b->hollow = true;
        return b;
    }
    case WHITE_PEN:
        return pen(PS_SOLID, 0xFFFFFF);
    case BLACK_PEN:
        return pen(PS_SOLID, 0);
    case NULL_PEN:
        return pen(PS_NULL, 0);
    case SYSTEM_FONT:
        return font(-16, FW_BOLD, u"System");
    case DEFAULT_GUI_FONT:
        return font(-12, FW_NORMAL, u"MS UI Gothic");
    default:
        return nullptr;
    }
}

}  // namespace

HGDIOBJ GetStockObject(int which)
{
    // Made once, on first use, and kept for the life of the process.
    static GdiObject* table[DEFAULT_GUI_FONT + 1] = {};
    static std::once_flag once;
    std::call_once(once, [] {
        for (int i = 0; i <= DEFAULT_GUI_FONT; ++i) {
            table[i] = MakeStock(i);
            if (table[i])
                table[i]->stock = true;
        }
    });
    return which >= 0 && which <= DEFAULT_GUI_FONT ? table[which] : nullptr;
}

BOOL DeleteObject(HGDIOBJ object)
{
    if (!object || object->stock)
        return object != nullptr;
    if (object->wrapper)
        object->wrapper->m_hObject = nullptr;
    delete object;
    return TRUE;
}

CGdiObject::~CGdiObject()
{
    if (!m_borrowed)
        DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object || m_hObject)
        return FALSE;
    m_hObject = object;
    if (!object->stock)
        object->wrapper = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    if (h && h->wrapper == this)
        h->wrapper = nullptr;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    HGDIOBJ h = Detach();
    return ::DeleteObject(h);
}

template <class W, class H> W* CGdiObject::WrapperOf(H handle)
{
    if (!handle)
        return nullptr;
    if (auto* w = dynamic_cast<W*>(handle->wrapper))
        return w;
    if (auto* w = dynamic_cast<W*>(handle->tempWrapper))
        return w;
    delete handle->tempWrapper;
    auto* w = new W;
    w->m_hObject = handle;
    w->m_borrowed = true;
    handle->tempWrapper = w;
    return w;
}

CPen* CPen::FromHandle(HPEN pen)
{
    return WrapperOf<CPen>(pen);
}
CBrush* CBrush::FromHandle(HBRUSH brush)
{
    return WrapperOf<CBrush>(brush);
}
CFont* CFont::FromHandle(HFONT font)
{
    return WrapperOf<CFont>(font);
}
CBitmap* CBitmap::FromHandle(HBITMAP bitmap)
{
    return WrapperOf<CBitmap>(bitmap);
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    auto* p = new GdiPen;
    p->style = style;
    p->width = width < 1 ? 1 : width;
    p->color = color & 0xFFFFFF;
    return p;
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    auto* b = new GdiBrush;
    b->color = color & 0xFFFFFF;
    return b;
}

HFONT CreateFontIndirectW(const LOGFONTW* lf)
{
    if (!lf)
        return nullptr;
    auto* f = new GdiFont;
    f->logFont = *lf;
    f->font = QFontFromLogFont(*lf);
    return f;
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    return !m_hObject && Attach(::CreatePen(style, width, color));
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return !m_hObject && Attach(::CreateSolidBrush(color));
}

BOOL CBrush::CreateStockObject(int which)
{
    HGDIOBJ h = GetStockObject(which);
    return h && h->kind == GdiObject::Kind::Brush && Attach(h);
}

BOOL CFont::CreateFontIndirectW(const LOGFONTW* lf)
{
    return !m_hObject && Attach(::CreateFontIndirectW(lf));
}

BOOL CFont::CreatePointFont(int tenthsOfPoint, const QString& face)
{
    LOGFONTW lf;
    lf.lfHeight = -((tenthsOfPoint * 96 + 360) / 720);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    const int n = std::min<int>(face.size(), LF_FACESIZE - 1);
    std::memcpy(lf.lfFaceName, face.utf16(), n * sizeof(char16_t));
    return CreateFontIndirectW(&lf);
}

int CFont::GetLogFont(LOGFONTW* lf) const
{
    auto* f = static_cast<HFONT>(m_hObject);
    if (!f || !lf)
        return 0;
    *lf = f->logFont;
    return sizeof(LOGFONTW);
}

QFont CFont::GetQFont() const
{
    auto* f = static_cast<HFONT>(m_hObject);
    return f ? f->font : QFont();
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    auto* b = new GdiBitmap;
    b->image = NewPictureImage(width, height);
    if (b->image.isNull()) {  // too large to allocate
        delete b;
        return nullptr;
    }
    b->image.fill(0xFF000000u);
    return b;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return !m_hObject && Attach(::CreateCompatibleBitmap(dc ? dc->GetSafeHdc() : nullptr, width, height));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT, UINT bitsPerPixel, const void* bits)
{
    if (m_hObject || bitsPerPixel != 32)
        return FALSE;
    HBITMAP b = ::CreateCompatibleBitmap(nullptr, width, height);
    if (!b)
        return FALSE;
    if (bits) {
        for (int y = 0; y < height; ++y)
            std::memcpy(b->image.scanLine(y), static_cast<const uchar*>(bits) + std::size_t(y) * width * 4,
                std::size_t(width) * 4);
        for (int y = 0; y < height; ++y) {  // the fourth byte is ignored, as on the platform
            auto* row = reinterpret_cast<QRgb*>(b->image.scanLine(y));
            for (int x = 0; x < width; ++x)
                row[x] |= 0xFF000000u;
        }
    }
    return Attach(b);
}

BOOL CBitmap::CreateFromImage(const QImage& image)
{
    if (m_hObject || image.isNull())
        return FALSE;
    auto* b = new GdiBitmap;
    b->image = image.convertToFormat(QImage::Format_RGB32);
    return Attach(b);
}

QImage* CBitmap::GetImage() const
{
    auto* b = static_cast<HBITMAP>(m_hObject);
    return b ? &b->image : nullptr;
}

CSize CBitmap::GetSize() const
{
    const QImage* img = GetImage();
    return img ? CSize(img->width(), img->height()) : CSize();
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    QImage* img = GetImage();
    if (!img || !info)
        return 0;
    info->bmType = 0;
    info->bmWidth = img->width();
    info->bmHeight = img->height();
    info->bmWidthBytes = static_cast<LONG>(img->bytesPerLine());
    info->bmPlanes = 1;
    info->bmBitsPixel = 32;
    info->bmBits = img->bits();
    static_cast<HBITMAP>(m_hObject)->bitsHandedOut = true;
    return sizeof(BITMAP);
}

int GetObjectW(HGDIOBJ object, int size, void* out)
{
    if (!object || !out)
        return 0;
    if (object->kind == GdiObject::Kind::Bitmap && size >= int(sizeof(DIBSECTION)))
        return GetDibSection(static_cast<HBITMAP>(object), static_cast<DIBSECTION*>(out));
    if (object->kind == GdiObject::Kind::Bitmap && size >= int(sizeof(BITMAP))) {
        CBitmap* w = CBitmap::FromHandle(static_cast<HBITMAP>(object));
        return w->GetBitmap(static_cast<BITMAP*>(out));
    }
    if (object->kind == GdiObject::Kind::Font && size >= int(sizeof(LOGFONTW))) {
        *static_cast<LOGFONTW*>(out) = static_cast<HFONT>(object)->logFont;
        return sizeof(LOGFONTW);
    }
    return 0;
}

DWORD CBitmap::GetBitmapBits(DWORD count, void* bits) const
{
    const QImage* img = GetImage();
    if (!img || !bits)
        return 0;
    const std::size_t row = std::size_t(img->width()) * 4;
    std::size_t done = 0;
    for (int y = 0; y < img->height() && done < count; ++y) {
        const std::size_t n = std::min<std::size_t>(row, count - done);
        std::memcpy(static_cast<uchar*>(bits) + done, img->constScanLine(y), n);
        done += n;
    }
    return static_cast<DWORD>(done);
}

DWORD CBitmap::SetBitmapBits(DWORD count, const void* bits)
{
    QImage* img = GetImage();
    if (!img || !bits)
        return 0;
    const std::size_t row = std::size_t(img->width()) * 4;
    std::size_t done = 0;
    for (int y = 0; y < img->height() && done < count; ++y) {
        const std::size_t n = std::min<std::size_t>(row, count - done);
        uchar* line = img->scanLine(y);
        std::memcpy(line, static_cast<const uchar*>(bits) + done, n);
        for (std::size_t x = 3; x < n; x += 4)  // the fourth byte is ignored, as on the platform
            line[x] = 0xFF;
        done += n;
    }
    return static_cast<DWORD>(done);
}
