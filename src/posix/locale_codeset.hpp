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

// The codeset the user means the output to be read in.
//
// The C and POSIX locales, named or by default, are taken as UTF-8, since the
// terminals that programs meet today are UTF-8 and Hangul has no ASCII form
// anyway; only LC_ALL=C (or POSIX) asks for the bytes as they are. A locale
// that is not installed still says in its name what its user reads, so that
// name is trusted rather than falling back to C.
//
// Loading a locale maps its data from disk, so installed_codeset is asked
// only where the name does not already say the codeset ("ko_KR", or an alias
// such as "korean"); an installed locale's codeset is the one its name
// declares.
std::string output_codeset(const LocaleVariables& variables, const InstalledCodeset& installed_codeset);
