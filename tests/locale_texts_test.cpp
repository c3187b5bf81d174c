#include "posix/locale_texts.hpp"

#include <gtest/gtest.h>

#include <iconv.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "texts.hpp"

namespace {

TEST(LocaleTexts, TakeTheFormTheCodesetShowsAsKorean) {
    struct Group {
        std::initializer_list<const char*> codesets;
        std::string_view error;
    };
    const Group groups[] = {
        {{"UTF-8", "utf8", "utf-8", "UTF_8"}, utf8_texts.error},
        {{"GB18030", "gb18030"}, gb18030_texts.error},
        // The Korean codesets hold the bytes; the rest show no Hangul at all.
        {{"CP949", "UHC", "EUC-KR", "euckr", "ANSI_X3.4-1968", "ISO-8859-1", "EUC-JP", "KOI8-R", "GBK",
          "UTF-16", "UTF", ""},
         cp949_texts.error},
    };
    for (const Group& group : groups) {
        for (const char* codeset : group.codesets) {
            const Texts texts = texts_for_codeset(codeset);
            EXPECT_EQ(texts.error, group.error) << codeset;
            EXPECT_EQ(texts.prompt.back(), '\n') << codeset;
        }
    }
}

// What the C library's converter makes of code page 949 text in codeset.
std::string converted(std::string_view text, const char* codeset) {
    const iconv_t converter = iconv_open(codeset, "CP949");
    std::string out(text.size() * 4, '\0');
    char* in = const_cast<char*>(text.data());  // iconv's signature; it only reads
    std::size_t in_left = text.size();
    char* at = out.data();
    std::size_t out_left = out.size();
    const bool done = converter != reinterpret_cast<iconv_t>(-1) &&
                      iconv(converter, &in, &in_left, &at, &out_left) != static_cast<std::size_t>(-1);
    if (converter != reinterpret_cast<iconv_t>(-1)) {
        iconv_close(converter);
    }
    out.resize(done ? out.size() - out_left : 0);
    return out;
}

// The forms the program holds can never drift from the code page 949 texts.
TEST(LocaleTexts, BuiltInFormsAreWhatTheConverterMakesOfThem) {
    for (const char* codeset : {"UTF-8", "GB18030", "EUC-KR"}) {
        const Texts texts = texts_for_codeset(codeset);
        EXPECT_EQ(texts.prompt, converted(cp949_texts.prompt, codeset)) << codeset;
        EXPECT_EQ(texts.error, converted(cp949_texts.error, codeset)) << codeset;
    }
}

}  // namespace
