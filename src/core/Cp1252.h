#pragma once
#include <string>
#include <string_view>

namespace sirvela {

// Files hold Windows-1252, memory holds UTF-8. The five bytes without a character in
// Windows-1252 (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 code points of the same value
// and back, so every byte sequence survives a round trip.
std::string DaCp1252(std::string_view byte);
// Characters that Windows-1252 cannot hold become '?'.
std::string ACp1252(std::string_view utf8);

}  // namespace sirvela
