#pragma once

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

// The codeset the user means the output to be read in. installed_codeset is
// what nl_langinfo(CODESET) said after setlocale(LC_CTYPE, "") succeeded, or
// nothing where setlocale failed because the locale is not installed.
//
// The C and POSIX locales, named or by default, are taken as UTF-8, since the
// terminals that programs meet today are UTF-8 and Hangul has no ASCII form
// anyway; only LC_ALL=C (or POSIX) asks for the bytes as they are. A locale
// that is not installed still says in its name what its user reads, so that
// name is trusted rather than falling back to C.
std::string output_codeset(const LocaleVariables& variables,
                           std::optional<std::string_view> installed_codeset);
