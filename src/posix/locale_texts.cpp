// The texts in the encoding of the user's locale.
#include "locale_texts.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <clocale>
#include <cstdlib>

#include <langinfo.h>

#include "../platform.hpp"
#include "locale_codeset.hpp"

namespace {

const iconv_t no_converter = reinterpret_cast<iconv_t>(-1);   // iconv_open's failure value
constexpr std::size_t failed = static_cast<std::size_t>(-1);  // iconv's

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

Cp949Converter::Cp949Converter(const char* codeset) : converter_(iconv_open(codeset, "CP949")) {}

Cp949Converter::~Cp949Converter() {
    if (converter_ != no_converter) {
        iconv_close(converter_);
    }
}

std::optional<std::string> Cp949Converter::convert(std::string_view text) {
    if (converter_ == no_converter) {
        return std::nullopt;
    }
    // No character of the texts takes more than four bytes in any codeset.
    std::string converted(text.size() * 4, '\0');
    char* in = const_cast<char*>(text.data());  // iconv's signature; it only reads
    std::size_t in_left = text.size();
    char* out = converted.data();
    std::size_t out_left = converted.size();
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);  // from the initial shift state
    if (iconv(converter_, &in, &in_left, &out, &out_left) == failed ||
        iconv(converter_, nullptr, nullptr, &out, &out_left) == failed) {
        return std::nullopt;
    }
    converted.resize(converted.size() - out_left);
    return converted;
}

bool is_utf8(std::string_view codeset) {
    return canonical(codeset) == "UTF8";
}

Texts texts_for_output() {
    const auto installed_codeset = []() -> std::optional<std::string> {
        if (std::setlocale(LC_CTYPE, "") == nullptr) {
            return std::nullopt;
        }
        return nl_langinfo(CODESET);
    };
    const std::string codeset =
        output_codeset({variable("LC_ALL"), variable("LC_CTYPE"), variable("LANG")}, installed_codeset);
    // The common case: the texts' UTF-8 form is built in, so no converter
    // module has to be found and loaded, nor be there at all.
    if (is_utf8(codeset)) {
        return utf8_texts();
    }
    Texts texts = cp949_texts();
    if (keeps_cp949_bytes(codeset)) {
        return texts;
    }
    Cp949Converter converter(codeset.c_str());
    auto prompt = converter.convert(texts.prompt);
    auto error = converter.convert(texts.error);
    if (prompt && error) {
        texts = {std::move(*prompt), std::move(*error)};
    }
    return texts;
}
