// Fuzz target: BMP files through the holder's reader (from a file, as the
// program reads them) and through the image class.
#include "core/settings/app_settings.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "platform/dialog/msgbox.h"
#include "platform/image/image_class.h"

#include <QString>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

int SetUp()
{
    AppSettings.MaxSaveSizeWidth = 4096;
    AppSettings.MaxSaveSizeHeight = 4096;
    AppSettings.BMP_dpi = 96;
    SetMessageBoxHookForTesting([](const MessageBoxRequest&) { return IDOK; });
    return memfd_create("bmp_read_fuzz", 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const int fd = SetUp();
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;
    CLoadBitmap_for_Dlg holder;
    if (holder.ReadBmpFile(QStringLiteral("/proc/self/fd/%1").arg(fd)) == 1) {
        // Every row the rest of the program reads lies inside the pixel block.
        const std::uint32_t rowBytes =
            ((holder.infoHeader.biWidth * holder.infoHeader.biBitCount + 31) / 32) * 4;
        volatile std::uint8_t last = holder.bits[rowBytes * holder.infoHeader.biHeight - 1];
        (void)last;
    }
    CImage image;
    image.Load(data, size, 2048, 2048);
    return 0;
}
