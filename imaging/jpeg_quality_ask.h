// The quality of the next JPEG save: the JpegQuality setting, after the
// quality dialog when the settings ask for it.
#pragma once

int AskJpegQuality();
