#include "imaging/jpeg_quality_ask.h"

#include "imaging/image_settings.h"

int AskJpegQuality()
{
    return ImageSettingJpegQuality();
}
