// The texts in the encoding of the user's locale.
#include "locale_texts.hpp"

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

#include <langinfo.h>

#include "../ascii.hpp"
#include "../platform.hpp"
#include "locale_codeset.hpp"

namespace {

// "UTF-8", "utf8" and "UTF_8" all name one codeset.
std::string canonical(std::string_view codeset) {
    std::string name;
    for (const char c : codeset) {
        if (ascii::is_letter(c) || ascii::is_digit(c)) {
            name.push_back(ascii::to_upper(c));
        }
    }
    return name;
}

// What nl_langinfo(CODESET) says of the user's locale where it is installed.
std::optional<std::string> installed_locale_codeset() {
#if TIMES_TABLE_STATIC
    // A locale's data belongs to the host's C library, which need not be the
    // one linked in: the static program loads none.
    return std::nullopt;
#else
    if (std::setlocale(LC_CTYPE, "") == nullptr) {
        return std::nullopt;
    }
    return nl_langinfo(CODESET);
#endif
}

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

Texts texts_for_codeset(std::string_view codeset) {
    const std::string name = canonical(codeset);
    if (name == "UTF8") {
        return utf8_texts;
    }
    if (name == "GB18030") {
        return gb18030_texts;
    }
    return cp949_texts;
}

Texts texts_for_output() {
    return texts_for_codeset(output_codeset({variable("LC_ALL"), variable("LC_CTYPE"), variable("LANG")},
                                            installed_locale_codeset));
}
