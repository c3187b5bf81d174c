#pragma once

#include <optional>
#include <string>

#include "../texts.hpp"

// What the C library knows of the user's locale and of codesets beyond the
// texts' built-in forms. A program linked with the shared C library asks it
// (locale_services_system.cpp); a static program must load nothing of the
// host's C library at run time, and both of these would, so it knows neither
// (locale_services_none.cpp).

// What nl_langinfo(CODESET) says after setlocale(LC_CTYPE, "") succeeds, or
// nothing where the locale is not installed.
std::optional<std::string> installed_locale_codeset();

// The code page 949 texts re-encoded into codeset, or nothing where no
// converter knows the codeset or the codeset cannot hold them.
std::optional<Texts> converted_texts(const Texts& texts, const std::string& codeset);
