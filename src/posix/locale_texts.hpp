#pragma once

#include <optional>
#include <string_view>

#include "../texts.hpp"

// Whether a locale codeset shows the code page 949 texts best as they are:
// the Korean codesets hold them already, and ASCII or the ISO 8859 sets
// cannot show Hangul in any form.
bool keeps_cp949_bytes(std::string_view codeset);

// Whether a locale codeset names UTF-8 ("UTF-8", "utf8").
bool is_utf8(std::string_view codeset);

// The texts in a codeset that the program holds them in itself (UTF-8,
// GB18030, and those that keep the code page 949 bytes), or nothing.
std::optional<Texts> built_in_texts(std::string_view codeset);
