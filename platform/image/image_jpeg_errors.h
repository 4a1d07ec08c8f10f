// The libjpeg error manager of the codecs: errors jump back to the calling
// codec instead of ending the process, and the warnings that mean the data
// ends early or is broken count as errors. Only plain C data lives across the
// jump, so the functions that set it hold no C++ objects with destructors.
#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// Installs the manager on a compressor or decompressor's err field.
jpeg_error_mgr* InstallJpegErrorManager(JpegErrorManager* manager);
