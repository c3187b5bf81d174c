#pragma once

#include <string_view>

#include "../texts.hpp"

// The texts in the form a locale codeset shows as Korean. Of the codesets of
// the C library's locales only UTF-8, GB18030 and the Korean ones (CP949,
// UHC, EUC-KR) hold Hangul; the first two get the texts' own form in them,
// which the program holds itself, and every other codeset the code page 949
// bytes: the Korean codesets show them, and the rest (ASCII, ISO 8859,
// EUC-JP, KOI8-R, ...) show no Hangul in any form.
Texts texts_for_codeset(std::string_view codeset);
