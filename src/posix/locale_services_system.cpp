// The C library's locales.
#include <clocale>

#include <langinfo.h>

#include "locale_services.hpp"

std::optional<std::string> installed_locale_codeset() {
    if (std::setlocale(LC_CTYPE, "") == nullptr) {
        return std::nullopt;
    }
    return nl_langinfo(CODESET);
}
