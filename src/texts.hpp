#pragma once

#include <string>
#include <string_view>

// The program's two Korean texts are kept once, as code page 949 (Unified
// Hangul Code) bytes; every character lies in KS X 1001, so they are EUC-KR
// bytes as well. A platform re-encodes them only where its output would not
// show these bytes as Hangul.
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
