#include "platform/image/image_jpeg_errors.h"

#include <jerror.h>

namespace {

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    std::longjmp(manager->jump, 1);
}

void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;  // trace messages
    // Data that ends early, or entropy data that had to be skipped, would give
    // a picture with grey or smeared rows: such a file counts as damaged.
    switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_MUST_RESYNC:
        ErrorExit(cinfo);
    default:
        ++cinfo->err->num_warnings;
        break;
    }
}

void OutputMessage(j_common_ptr)
{
}

}  // namespace

jpeg_error_mgr* InstallJpegErrorManager(JpegErrorManager* manager)
{
    jpeg_error_mgr* err = jpeg_std_error(&manager->pub);
    err->error_exit = ErrorExit;
    err->emit_message = EmitMessage;
    err->output_message = OutputMessage;
    return err;
}
