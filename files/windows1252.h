#pragma once
// The short strings of the project file are in the single-byte Windows code page 1252;
// the model's texts are UTF-8.

#include <string>
#include <string_view>

namespace talp {

// Every byte maps to one character; the five bytes the code page leaves undefined map to
// the control characters of the same number, so that any byte string comes back unchanged
// from a round trip through UTF-8.
std::string utf8FromWindows1252(std::string_view bytes);

// Characters the code page cannot hold (and malformed UTF-8) become "?".
std::string windows1252FromUtf8(std::string_view text);

}  // namespace talp
