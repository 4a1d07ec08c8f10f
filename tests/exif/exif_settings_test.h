// Base of the EXIF test fixtures: the process-wide display and clear
// settings are put back as they were after each test.
#pragma once

#include "exif/exif_tag_mask.h"

#include <gtest/gtest.h>

class ExifSettingsTest : public testing::Test {
protected:
    ExifSettingsTest() : m_display(ExifDisplaySettings), m_clear(ExifClearSettings) { }
    ~ExifSettingsTest() override
    {
        ExifDisplaySettings = m_display;
        ExifClearSettings = m_clear;
    }

private:
    ExifDisplaySettingsRecord m_display;
    ExifClearSettingsRecord m_clear;
};
