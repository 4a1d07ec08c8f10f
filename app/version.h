// The program's name and version numbers.
#pragma once

inline constexpr const char16_t* kProgramName = u"Kestrel";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
