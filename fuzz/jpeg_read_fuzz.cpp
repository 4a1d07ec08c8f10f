// Fuzz target: JPEG data through the holder's decoder (with the image-class
// route for grey and CMYK pictures) and the size probe.
#include "core/settings/app_settings.h"
#include "imaging/jpeg_file.h"
#include "platform/dialog/msgbox.h"

#include <QString>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

int SetUp()
{
    AppSettings.MaxSaveSizeWidth = 2048;
    AppSettings.MaxSaveSizeHeight = 2048;
    AppSettings.BMP_dpi = 96;
    SetMessageBoxHookForTesting([](const MessageBoxRequest&) { return IDOK; });
    return memfd_create("jpeg_read_fuzz", 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const int fd = SetUp();
    CLoadBitmap_for_Dlg holder;
    if (LoadJpegFile(&holder, data, size) == kJpegDecoded) {
        volatile std::uint8_t last = holder.bits[holder.PixelBytes() - 1];
        (void)last;
    }
    if (fd >= 0 && ftruncate(fd, 0) == 0 && pwrite(fd, data, size, 0) == static_cast<ssize_t>(size))
        GetJpegImageSize(QStringLiteral("/proc/self/fd/%1").arg(fd));
    return 0;
}
