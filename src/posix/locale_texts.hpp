#pragma once

#include <string_view>

#include "../texts.hpp"

// The texts in the form a locale codeset shows as Korean: UTF-8 and GB18030
// get their own, every other codeset the code page 949 bytes (see the manual).
Texts texts_for_codeset(std::string_view codeset);
