#pragma once

#include <optional>
#include <string>

// What the C library knows of the user's locale. A program linked with the
// shared C library asks it (locale_services_system.cpp); a static program
// must load nothing of the host's C library at run time, and loading a
// locale would, so it knows nothing of it (locale_services_none.cpp).

// What nl_langinfo(CODESET) says after setlocale(LC_CTYPE, "") succeeds, or
// nothing where the locale is not installed.
std::optional<std::string> installed_locale_codeset();
