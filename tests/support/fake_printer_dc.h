// A printer that records what a print job does to it, for the tests of the
// engine and of the print dialog: installed as the printer-DC factory (with
// the PDF printer standing in as the only printer), every DC made while the
// scope lives writes into one shared log. A call can be made to fail.
#pragma once

#include "platform/print/printer_dc.h"
#include "platform/print/printer_list.h"

#include <QHash>
#include <QImage>
#include <QStringList>
#include <memory>
#include <vector>

struct FakeStretch {
    RECT dest;  // left, top, right, bottom on the page
    int sourceY = 0;
    int sourceRows = 0;
    int stretchMode = 0;
    QRgb topLeft = 0;  // the band's pixels at its top and bottom left, as the device reads them
    QRgb bottomLeft = 0;
};

struct FakePrinterLog {
    QStringList
        calls;  // "StartDoc <name>", "StartPage", "Stretch", "Text <text>", "EndPage", "EndDoc", "AbortDoc"
    std::vector<FakeStretch> stretches;
    std::vector<RECT> textRects;
    int devicesMade = 0;
    QString failCall;     // a call name ("StartDoc", "StartPage", "EndPage", "EndDoc") that fails ...
    int failOnCount = 1;  // ... the n-th time it is made
    QHash<QString, int> callCounts;
};

struct FakePrinterSpec {
    int dpi = 254;          // at 254 dpi a tenth of a millimetre of paper is one pixel
    int paperWidth = 2100;  // printer pixels
    int paperHeight = 2970;
};

class FakePrinterScope {
public:
    explicit FakePrinterScope(FakePrinterSpec spec = {});
    ~FakePrinterScope();
    FakePrinterScope(const FakePrinterScope&) = delete;
    FakePrinterScope& operator=(const FakePrinterScope&) = delete;

    FakePrinterLog& Log() { return *m_log; }

private:
    std::shared_ptr<FakePrinterLog> m_log;
};
