// The C library's locales and its iconv converters.
#include <clocale>

#include <langinfo.h>

#include "cp949_converter.hpp"
#include "locale_services.hpp"

std::optional<std::string> installed_locale_codeset() {
    if (std::setlocale(LC_CTYPE, "") == nullptr) {
        return std::nullopt;
    }
    return nl_langinfo(CODESET);
}

std::optional<Texts> converted_texts(const Texts& texts, const std::string& codeset) {
    Cp949Converter converter(codeset.c_str());
    auto prompt = converter.convert(texts.prompt);
    auto error = converter.convert(texts.error);
    if (!prompt || !error) {
        return std::nullopt;
    }
    return Texts{std::move(*prompt), std::move(*error)};
}
