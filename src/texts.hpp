#pragma once

#include <string>
#include <string_view>

// The program's two Korean texts, as code page 949 (Unified Hangul Code)
// bytes; every character lies in KS X 1001, so they are EUC-KR bytes as
// well. A platform re-encodes them only where its output would not show
// these bytes as Hangul. The other forms below are the same texts in the
// other codesets that can hold Hangul, ready so that no converter is needed
// at run time for them.
namespace cp949 {

// "\n1부터 9까지 정수 입력/몇단 :(0은 종료)"
inline constexpr std::string_view prompt =
    "\n1"
    "\xBA\xCE\xC5\xCD"
    " 9"
    "\xB1\xEE\xC1\xF6"
    " "
    "\xC1\xA4\xBC\xF6"
    " "
    "\xC0\xD4\xB7\xC2"
    "/"
    "\xB8\xEE\xB4\xDC"
    " :(0"
    "\xC0\xBA"
    " "
    "\xC1\xBE\xB7\xE1"
    ")";

// "잘못 입력 하셨습니다"
inline constexpr std::string_view error =
    "\xC0\xDF\xB8\xF8"
    " "
    "\xC0\xD4\xB7\xC2"
    " "
    "\xC7\xCF\xBC\xCC\xBD\xC0\xB4\xCF\xB4\xD9";

}  // namespace cp949

// The same two texts in UTF-8, which nearly every terminal shows today: kept
// ready here so that the common case needs no converter at run time.
namespace utf8 {

// "\n1부터 9까지 정수 입력/몇단 :(0은 종료)"
inline constexpr std::string_view prompt =
    "\n1"
    "\xEB\xB6\x80\xED\x84\xB0"
    " 9"
    "\xEA\xB9\x8C\xEC\xA7\x80"
    " "
    "\xEC\xA0\x95\xEC\x88\x98"
    " "
    "\xEC\x9E\x85\xEB\xA0\xA5"
    "/"
    "\xEB\xAA\x87\xEB\x8B\xA8"
    " :(0"
    "\xEC\x9D\x80"
    " "
    "\xEC\xA2\x85\xEB\xA3\x8C"
    ")";

// "잘못 입력 하셨습니다"
inline constexpr std::string_view error =
    "\xEC\x9E\x98\xEB\xAA\xBB"
    " "
    "\xEC\x9E\x85\xEB\xA0\xA5"
    " "
    "\xED\x95\x98\xEC\x85\xA8\xEC\x8A\xB5\xEB\x8B\x88\xEB\x8B\xA4";

}  // namespace utf8

// The same two texts in GB18030, the one Chinese codeset of the C library's
// locales that holds Hangul: four bytes a syllable.
namespace gb18030 {

// "\n1부터 9까지 정수 입력/몇단 :(0은 종료)"
inline constexpr std::string_view prompt =
    "\n1"
    "\x83\x31\x97\x35\x83\x35\x97\x35"
    " 9"
    "\x82\x38\x8C\x33\x83\x33\xD5\x31"
    " "
    "\x83\x33\xAA\x34\x83\x32\x8F\x31"
    " "
    "\x83\x33\x9C\x30\x83\x30\x8C\x34"
    "/"
    "\x83\x30\xC9\x34\x82\x39\x84\x33"
    " :(0"
    "\x83\x33\x95\x31"
    " "
    "\x83\x33\xB5\x36\x83\x30\x9D\x31"
    ")";

// "잘못 입력 하셨습니다"
inline constexpr std::string_view error =
    "\x83\x33\x9D\x39\x83\x30\xCE\x36"
    " "
    "\x83\x33\x9C\x30\x83\x30\x8C\x34"
    " "
    "\x83\x36\x83\x39\x83\x31\xFB\x35\x83\x32\x9E\x38\x82\x39\x81\x31\x82\x39\x83\x39";

}  // namespace gb18030

// The texts exactly as the loop writes them, in the encoding of the output.
struct Texts {
    std::string prompt;  // the prompt with the line break that ends its line
    std::string error;   // no line break: the next prompt's leading one ends it
};

inline Texts cp949_texts() {
    return {std::string(cp949::prompt) + '\n', std::string(cp949::error)};
}

inline Texts utf8_texts() {
    return {std::string(utf8::prompt) + '\n', std::string(utf8::error)};
}

inline Texts gb18030_texts() {
    return {std::string(gb18030::prompt) + '\n', std::string(gb18030::error)};
}
