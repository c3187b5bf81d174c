#include "posix/locale_texts.hpp"

#include <gtest/gtest.h>

#include "posix/cp949_converter.hpp"

#include "texts.hpp"

namespace {

TEST(LocaleTexts, KeepTheBytesWhereTheyShowBestAsTheyAre) {
    for (const char* codeset : {"CP949", "cp949", "UHC", "EUC-KR", "euckr", "EUC_KR", "ANSI_X3.4-1968",
                                "ASCII", "US-ASCII", "ISO-8859-1", "ISO8859-15", "iso-8859-2"}) {
        EXPECT_TRUE(keeps_cp949_bytes(codeset)) << codeset;
    }
    for (const char* codeset : {"UTF-8", "utf8", "GB18030", "EUC-JP", "KOI8-R"}) {
        EXPECT_FALSE(keeps_cp949_bytes(codeset)) << codeset;
    }
}

TEST(LocaleTexts, ConvertToReadableUtf8) {
    EXPECT_EQ(Cp949Converter("UTF-8").convert(cp949::prompt), "\n1부터 9까지 정수 입력/몇단 :(0은 종료)");
    EXPECT_EQ(Cp949Converter("UTF-8").convert(cp949::error), "잘못 입력 하셨습니다");
}

// The built-in forms can never drift from the code page 949 texts.
TEST(LocaleTexts, BuiltInFormsAreWhatIconvMakesOfThem) {
    for (const char* codeset : {"UTF-8", "GB18030"}) {
        const Texts built_in = built_in_texts(codeset).value();
        EXPECT_EQ(Cp949Converter(codeset).convert(cp949_texts().prompt), built_in.prompt) << codeset;
        EXPECT_EQ(Cp949Converter(codeset).convert(cp949_texts().error), built_in.error) << codeset;
    }
    for (const char* codeset : {"UTF-8", "utf8", "utf-8", "UTF8"}) {
        EXPECT_TRUE(is_utf8(codeset)) << codeset;
        EXPECT_EQ(built_in_texts(codeset)->error, utf8::error) << codeset;
    }
    for (const char* codeset : {"UTF-16", "CP949", "", "UTF"}) {
        EXPECT_FALSE(is_utf8(codeset)) << codeset;
    }
    EXPECT_EQ(built_in_texts("gb18030")->error, gb18030::error);
    EXPECT_EQ(built_in_texts("EUC-KR")->error, cp949::error);
    for (const char* codeset : {"EUC-JP", "KOI8-R", "GBK", "BIG5"}) {
        EXPECT_EQ(built_in_texts(codeset), std::nullopt) << codeset;
    }
}

TEST(LocaleTexts, AreTheSameBytesInEucKr) {
    EXPECT_EQ(Cp949Converter("EUC-KR").convert(cp949::prompt), std::string(cp949::prompt));
    EXPECT_EQ(Cp949Converter("EUC-KR").convert(cp949::error), std::string(cp949::error));
}

TEST(LocaleTexts, GiveNothingWhereTheCodesetCannotHoldThem) {
    EXPECT_EQ(Cp949Converter("KOI8-R").convert(cp949::error), std::nullopt);
    EXPECT_EQ(Cp949Converter("NO-SUCH-CODESET").convert(cp949::error), std::nullopt);
}

}  // namespace
