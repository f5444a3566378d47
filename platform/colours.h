// The named colours the screens and their pictures use (money green, teal,
// fuchsia, lime), as 0xRRGGBB, defined once for the widgets and the content
// declarations.
#pragma once

#include <cstdint>

namespace platform {

inline constexpr uint32_t kMoneyGreen = 0xC0DCC0;
inline constexpr uint32_t kTeal = 0x008080;
inline constexpr uint32_t kFuchsia = 0xFF00FF;
inline constexpr uint32_t kLime = 0x00FF00;

}  // namespace platform
