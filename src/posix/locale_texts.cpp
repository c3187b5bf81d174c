// The texts in the encoding of the user's locale.
#include "locale_texts.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <string>
#include <utility>

#include "../platform.hpp"
#include "locale_codeset.hpp"
#include "locale_services.hpp"

namespace {

// "EUC-KR", "euckr" and "EUC_KR" all name one codeset.
std::string canonical(std::string_view codeset) {
    std::string name;
    for (const char c : codeset) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            name.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        }
    }
    return name;
}

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

bool keeps_cp949_bytes(std::string_view codeset) {
    const std::string name = canonical(codeset);
    constexpr std::array<std::string_view, 8> unchanged = {
        "CP949", "UHC", "EUCKR", "ANSIX341968", "ASCII", "USASCII", "646", "",
    };
    return std::ranges::find(unchanged, name) != unchanged.end() || name.starts_with("ISO8859");
}

bool is_utf8(std::string_view codeset) {
    return canonical(codeset) == "UTF8";
}

std::optional<Texts> built_in_texts(std::string_view codeset) {
    if (is_utf8(codeset)) {
        return utf8_texts();
    }
    if (canonical(codeset) == "GB18030") {
        return gb18030_texts();
    }
    if (keeps_cp949_bytes(codeset)) {
        return cp949_texts();
    }
    return std::nullopt;
}

Texts texts_for_output() {
    const std::string codeset = output_codeset({variable("LC_ALL"), variable("LC_CTYPE"), variable("LANG")},
                                               installed_locale_codeset);
    // The common cases: no converter has to be found and loaded, nor be there at all.
    if (auto texts = built_in_texts(codeset)) {
        return std::move(*texts);
    }
    // Where no converter can, the bytes go as they are.
    Texts texts = cp949_texts();
    return converted_texts(texts, codeset).value_or(std::move(texts));
}
