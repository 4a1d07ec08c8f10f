#include "tests/support/fake_printer_dc.h"

#include "platform/gdi/gdi_dib.h"

namespace {

class FakePrinterDC final : public CPrinterDC {
public:
    FakePrinterDC(std::shared_ptr<FakePrinterLog> log, FakePrinterSpec spec)
        : m_log(std::move(log)), m_spec(spec)
    {
    }

    int StartDoc(const QString& name) override { return Call(QStringLiteral("StartDoc"), name); }
    int StartPage() override { return Call(QStringLiteral("StartPage")); }
    int EndPage() override { return Call(QStringLiteral("EndPage")); }
    int EndDoc() override { return Call(QStringLiteral("EndDoc")); }
    int AbortDoc() override { return Call(QStringLiteral("AbortDoc")); }

    int GetDeviceCaps(int index) const override
    {
        switch (index) {
        case LOGPIXELSX:
        case LOGPIXELSY:
            return m_spec.dpi;
        case HORZRES:
        case PHYSICALWIDTH:
            return m_spec.paperWidth;
        case VERTRES:
        case PHYSICALHEIGHT:
            return m_spec.paperHeight;
        default:
            return 0;
        }
    }
    int SetStretchBltMode(int mode) override { return std::exchange(m_stretchMode, mode); }
    CPoint SetBrushOrg(int x, int y) override { return std::exchange(m_brushOrg, CPoint(x, y)); }

    int StretchDIBits(int x, int y, int w, int h, int, int ySrc, int, int hSrc, const void* bits,
        const BITMAPINFO* info, UINT, DWORD) override
    {
        m_log->calls.append(QStringLiteral("Stretch"));
        FakeStretch s{RECT{x, y, x + w, y + h}, ySrc, hSrc, m_stretchMode, 0, 0};
        // Reads the band's corner pixels as a printer would: a bottom-up
        // block keeps its bottom row first.
        const QImage whole = ImageFromDib(info, bits);
        const int top = whole.height() - ySrc - hSrc;
        if (!whole.isNull() && top >= 0 && hSrc > 0) {
            s.topLeft = whole.pixel(0, top) & 0xFFFFFF;
            s.bottomLeft = whole.pixel(0, top + hSrc - 1) & 0xFFFFFF;
        }
        m_log->stretches.push_back(s);
        return hSrc;
    }

    CFont* SelectObject(CFont* font) override { return std::exchange(m_font, font); }
    int SetBkMode(int mode) override { return std::exchange(m_bkMode, mode); }
    CSize GetTextExtent(const QString& text) const override { return CSize(10 * text.size(), 20); }
    int DrawText(const QString& text, RECT* rect, UINT) override
    {
        m_log->calls.append(QStringLiteral("Text ") + text);
        m_log->textRects.push_back(*rect);
        return 20;
    }

private:
    int Call(const QString& name, const QString& argument = {})
    {
        m_log->calls.append(argument.isEmpty() ? name : name + u' ' + argument);
        const int made = ++m_log->callCounts[name];
        if (name == m_log->failCall && made == m_log->failOnCount)
            return 0;
        return 1;
    }

    std::shared_ptr<FakePrinterLog> m_log;
    FakePrinterSpec m_spec;
    int m_stretchMode = BLACKONWHITE;
    int m_bkMode = OPAQUE;
    CPoint m_brushOrg;
    CFont* m_font = nullptr;
};

}  // namespace

FakePrinterScope::FakePrinterScope(FakePrinterSpec spec) : m_log(std::make_shared<FakePrinterLog>())
{
    SetPrinterSourceForTest(PrinterSource{});
    std::shared_ptr<FakePrinterLog> log = m_log;
    SetPrinterDCFactoryForTest([log, spec](const DEVNAMES&, const DEVMODE*) {
        ++log->devicesMade;
        return std::make_unique<FakePrinterDC>(log, spec);
    });
}

FakePrinterScope::~FakePrinterScope()
{
    SetPrinterDCFactoryForTest({});
    SetPrinterSourceForTest(std::nullopt);
}
