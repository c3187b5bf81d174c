#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The locale variables as the environment gives them; unset and empty are
// alike.
struct LocaleVariables {
    std::string_view lc_all;
    std::string_view lc_ctype;
    std::string_view lang;
};

// What nl_langinfo(CODESET) says after setlocale(LC_CTYPE, "") succeeds, or
// nothing where setlocale fails because the locale is not installed.
using InstalledCodeset = std::function<std::optional<std::string>()>;

// The codeset the user means the output to be read in, by the rules of the
// manual page's ENVIRONMENT section. installed_codeset, which loads the
// locale from disk, is asked only where the name declares no codeset.
std::string output_codeset(const LocaleVariables& variables, const InstalledCodeset& installed_codeset);
