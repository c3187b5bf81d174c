#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <iconv.h>

// Re-encodes code page 949 text into a locale codeset, through iconv.
class Cp949Converter {
public:
    explicit Cp949Converter(const char* codeset);
    ~Cp949Converter();
    Cp949Converter(const Cp949Converter&) = delete;
    Cp949Converter& operator=(const Cp949Converter&) = delete;

    // text in the codeset, or nothing where iconv does not know the codeset
    // or the codeset cannot hold the text.
    std::optional<std::string> convert(std::string_view text);

private:
    iconv_t converter_;
};
