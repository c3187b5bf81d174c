#pragma once

// ASCII's classes of bytes, as the C locale's <cctype> has them but without
// its dependence on the locale that setlocale may have set: input and locale
// names are read the same way in every locale.
namespace ascii {

constexpr bool is_space(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool is_lower(char c) {
    return c >= 'a' && c <= 'z';
}

constexpr bool is_letter(char c) {
    return is_lower(c) || (c >= 'A' && c <= 'Z');
}

constexpr char to_upper(char c) {
    return is_lower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace ascii
