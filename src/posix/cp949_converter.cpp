#include "cp949_converter.hpp"

namespace {

const iconv_t no_converter = reinterpret_cast<iconv_t>(-1);   // iconv_open's failure value
constexpr std::size_t failed = static_cast<std::size_t>(-1);  // iconv's

}  // namespace

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
