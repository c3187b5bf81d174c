// The texts in the encoding of the user's locale.
#include "locale_texts.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <clocale>

#include <iconv.h>
#include <langinfo.h>

#include "../platform.hpp"

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

}  // namespace

bool keeps_cp949_bytes(std::string_view codeset) {
    const std::string name = canonical(codeset);
    constexpr std::array<std::string_view, 8> unchanged = {
        "CP949", "UHC", "EUCKR", "ANSIX341968", "ASCII", "USASCII", "646", "",
    };
    return std::ranges::find(unchanged, name) != unchanged.end() || name.starts_with("ISO8859");
}

std::optional<std::string> convert_from_cp949(std::string_view text, const char* codeset) {
    const iconv_t converter = iconv_open(codeset, "CP949");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    // No character of the texts takes more than four bytes in any codeset.
    std::string converted(text.size() * 4, '\0');
    char* in = const_cast<char*>(text.data());  // iconv's signature; it only reads
    std::size_t in_left = text.size();
    char* out = converted.data();
    std::size_t out_left = converted.size();
    const bool complete = iconv(converter, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1) &&
                          iconv(converter, nullptr, nullptr, &out, &out_left) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!complete) {
        return std::nullopt;
    }
    converted.resize(converted.size() - out_left);
    return converted;
}

Texts texts_for_output() {
    Texts texts = cp949_texts();
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    if (keeps_cp949_bytes(codeset)) {
        return texts;
    }
    auto prompt = convert_from_cp949(texts.prompt, codeset);
    auto error = convert_from_cp949(texts.error, codeset);
    if (prompt && error) {
        texts = {std::move(*prompt), std::move(*error)};
    }
    return texts;
}
