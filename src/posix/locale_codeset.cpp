#include "locale_codeset.hpp"

#include <algorithm>

namespace {

bool is_c_locale(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX";
}

bool is_letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A locale name is language[_territory][.codeset][@modifier]: "ko_KR.UTF-8",
// "sr_RS.UTF-8@latin". A name of a codeset alone ("UTF-8", as macOS sends
// in LC_CTYPE) differs from one of a language alone ("ko", "ko_KR") in having
// no territory and not being two or three letters.
std::optional<std::string_view> declared_codeset(std::string_view name) {
    name = name.substr(0, name.find('@'));
    if (const auto dot = name.find('.'); dot != std::string_view::npos) {
        const std::string_view codeset = name.substr(dot + 1);
        return codeset.empty() ? std::nullopt : std::optional(codeset);
    }
    const bool language_alone = name.size() <= 3 && std::ranges::all_of(name, is_letter);
    if (language_alone || name.find('_') != std::string_view::npos) {
        return std::nullopt;
    }
    return name;
}

}  // namespace

std::string output_codeset(const LocaleVariables& variables,
                           std::optional<std::string_view> installed_codeset) {
    // POSIX's order of precedence, skipping empty variables.
    const bool from_lc_all = !variables.lc_all.empty();
    const std::string_view name = from_lc_all                   ? variables.lc_all
                                  : !variables.lc_ctype.empty() ? variables.lc_ctype
                                                                : variables.lang;
    if (is_c_locale(name)) {
        return from_lc_all ? "ASCII" : "UTF-8";
    }
    if (installed_codeset) {
        return std::string(*installed_codeset);
    }
    return std::string(declared_codeset(name).value_or("UTF-8"));
}
