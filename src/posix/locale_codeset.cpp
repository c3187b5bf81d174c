#include "locale_codeset.hpp"

#include <algorithm>

#include "../ascii.hpp"

namespace {

bool is_c_locale(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX";
}

// A locale name is language[_territory][.codeset][@modifier]: "ko_KR.UTF-8",
// "sr_RS.UTF-8@latin". A name of a codeset alone ("UTF-8", as macOS sends
// in LC_CTYPE) differs from one of a language alone ("ko", "ko_KR") in having
// no territory and not being two or three letters, and from an alias in
// locale.alias ("korean") in not being lower-case letters only.
std::optional<std::string_view> declared_codeset(std::string_view name) {
    name = name.substr(0, name.find('@'));
    if (const auto dot = name.find('.'); dot != std::string_view::npos) {
        const std::string_view codeset = name.substr(dot + 1);
        return codeset.empty() ? std::nullopt : std::optional(codeset);
    }
    const bool language_or_alias = std::ranges::all_of(name, ascii::is_letter) &&
                                   (name.size() <= 3 || std::ranges::all_of(name, ascii::is_lower));
    if (language_or_alias || name.find('_') != std::string_view::npos) {
        return std::nullopt;
    }
    return name;
}

}  // namespace

std::string output_codeset(const LocaleVariables& variables, const InstalledCodeset& installed_codeset) {
    // POSIX's order of precedence, skipping empty variables.
    const bool from_lc_all = !variables.lc_all.empty();
    const std::string_view name = from_lc_all                   ? variables.lc_all
                                  : !variables.lc_ctype.empty() ? variables.lc_ctype
                                                                : variables.lang;
    if (is_c_locale(name)) {
        return from_lc_all ? "ASCII" : "UTF-8";
    }
    if (const auto declared = declared_codeset(name)) {
        return std::string(*declared);
    }
    return installed_codeset().value_or("UTF-8");
}
