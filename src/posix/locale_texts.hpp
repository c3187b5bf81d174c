#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether a locale codeset shows the code page 949 texts best as they are:
// the Korean codesets hold them already, and ASCII or the ISO 8859 sets
// cannot show Hangul in any form.
bool keeps_cp949_bytes(std::string_view codeset);

// text re-encoded from code page 949 into codeset, or nothing where iconv
// cannot do it.
std::optional<std::string> convert_from_cp949(std::string_view text, const char* codeset);
