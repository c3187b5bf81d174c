#pragma once

#include <string_view>

// The texts exactly as the loop writes them: the prompt with the line break
// that ends its line, the error text without one (the next prompt's leading
// one ends it).
struct Texts {
    std::string_view prompt;
    std::string_view error;
};

// "\n1부터 9까지 정수 입력/몇단 :(0은 종료)" and "잘못 입력 하셨습니다" in
// each codeset that holds Hangul, so that no converter is needed at run time.

// Code page 949 (Unified Hangul Code): the original bytes, and EUC-KR too, as
// every character lies in KS X 1001.
inline constexpr Texts cp949_texts{
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
    ")\n",
    "\xC0\xDF\xB8\xF8"
    " "
    "\xC0\xD4\xB7\xC2"
    " "
    "\xC7\xCF\xBC\xCC\xBD\xC0\xB4\xCF\xB4\xD9"};

// UTF-8, which nearly every terminal shows today.
inline constexpr Texts utf8_texts{
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
    ")\n",
    "\xEC\x9E\x98\xEB\xAA\xBB"
    " "
    "\xEC\x9E\x85\xEB\xA0\xA5"
    " "
    "\xED\x95\x98\xEC\x85\xA8\xEC\x8A\xB5\xEB\x8B\x88\xEB\x8B\xA4"};

// GB18030, the one Chinese codeset of the C library's locales that holds
// Hangul: four bytes a syllable.
inline constexpr Texts gb18030_texts{
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
    ")\n",
    "\x83\x33\x9D\x39\x83\x30\xCE\x36"
    " "
    "\x83\x33\x9C\x30\x83\x30\x8C\x34"
    " "
    "\x83\x36\x83\x39\x83\x31\xFB\x35\x83\x32\x9E\x38\x82\x39\x81\x31\x82\x39\x83\x39"};
