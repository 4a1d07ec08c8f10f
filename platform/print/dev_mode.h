// A printer's settings as the print dialog object keeps them: the device
// mode (paper, orientation, copies, resolution) and the device names
// (driver, device, port).
#pragma once

#include "platform/types/types.h"

#include <QString>

constexpr int CCHDEVICENAME = 32;
constexpr int CCHFORMNAME = 32;
// The size every device mode of this layer reports in dmSize.
constexpr WORD kDevModeSize = 220;

enum : short {
    DMORIENT_PORTRAIT = 1,
    DMORIENT_LANDSCAPE = 2,
};

struct DEVMODE {
    char16_t dmDeviceName[CCHDEVICENAME] = {};  // the printer's name, cut to 31 characters
    WORD dmSize = kDevModeSize;
    short dmOrientation = DMORIENT_PORTRAIT;
    short dmPaperLength = 0;  // tenths of a millimetre, portrait
    short dmPaperWidth = 0;
    short dmCopies = 1;
    short dmPrintQuality = 0;  // horizontal resolution in dpi
    short dmYResolution = 0;
    short dmCollate = 0;
    char16_t dmFormName[CCHFORMNAME] = {};  // "A4", "Letter", ...
};

// Copies a text into a fixed field, cut so that a terminating 0 fits.
void SetDevModeText(char16_t* field, int capacity, const QString& text);
QString DevModeText(const char16_t* field, int capacity);

// The names of the printer the settings are for.
struct DEVNAMES {
    QString driver;  // "CUPS", or "PDF" for the program's PDF printer
    QString device;  // the printer's name
    QString output;  // the CUPS queue, or the folder the PDF printer writes into
};
