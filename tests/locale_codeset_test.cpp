#include "posix/locale_codeset.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace {

struct Case {
    LocaleVariables variables;
    std::optional<std::string> installed;  // what setlocale found, if anything
    std::string_view expected;
};

TEST(LocaleCodeset, FollowsWhatTheUserMeant) {
    const Case cases[] = {
        // The C locale, named or by default, is read as UTF-8 ...
        {{"", "", ""}, "ANSI_X3.4-1968", "UTF-8"},
        {{"", "", "C"}, "ANSI_X3.4-1968", "UTF-8"},
        {{"", "POSIX", "ko_KR.eucKR"}, "ANSI_X3.4-1968", "UTF-8"},
        // ... except where LC_ALL asks for it, whatever else is set.
        {{"C", "", "ko_KR.UTF-8"}, "ANSI_X3.4-1968", "ASCII"},
        {{"POSIX", "C.UTF-8", ""}, "ANSI_X3.4-1968", "ASCII"},
        // Installed locales whose names declare no codeset answer for
        // themselves; empty variables are skipped.
        {{"", "ko_KR", "ko_KR.UTF-8"}, "EUC-KR", "EUC-KR"},
        {{"", "", "ko_KR"}, "EUC-KR", "EUC-KR"},
        {{"zh_CN", "", "ko_KR.UTF-8"}, "GB2312", "GB2312"},
        {{"", "korean", ""}, "EUC-KR", "EUC-KR"},
        // Locales that are not installed declare their codeset in their name.
        {{"", "", "ko_KR.UTF-8"}, std::nullopt, "UTF-8"},
        {{"", "", "en_US.utf8"}, std::nullopt, "utf8"},
        {{"", "", "ko_KR.eucKR"}, std::nullopt, "eucKR"},
        {{"", "C.UTF-8", "ko_KR.eucKR"}, std::nullopt, "UTF-8"},
        {{"", "", "sr_RS.UTF-8@latin"}, std::nullopt, "UTF-8"},
        {{"", "UTF-8", ""}, std::nullopt, "UTF-8"},  // a codeset alone, as macOS sends it
        {{"", "EUCKR", ""}, std::nullopt, "EUCKR"},
        // ... or declare none, and are read as UTF-8.
        {{"", "", "ko_KR"}, std::nullopt, "UTF-8"},
        {{"", "", "ko"}, std::nullopt, "UTF-8"},
        {{"", "", "ko_KR.@euro"}, std::nullopt, "UTF-8"},
        {{"", "", "de_DE@euro"}, std::nullopt, "UTF-8"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(output_codeset(c.variables, [&] { return c.installed; }), c.expected)
            << "LC_ALL=" << c.variables.lc_all << " LC_CTYPE=" << c.variables.lc_ctype
            << " LANG=" << c.variables.lang << " installed=" << c.installed.value_or("(none)");
    }
}

// Loading a locale reads it from disk: only a name that does not say its
// codeset is looked up.
TEST(LocaleCodeset, LoadsTheLocaleOnlyWhereTheNameSaysNoCodeset) {
    struct Lookup {
        LocaleVariables variables;
        bool looked_up;
        std::string_view expected;
    };
    const Lookup cases[] = {
        {{"", "", ""}, false, "UTF-8"},
        {{"C", "", "ko_KR"}, false, "ASCII"},
        {{"", "", "ko_KR.UTF-8"}, false, "UTF-8"},
        {{"", "UTF-8", "ko_KR"}, false, "UTF-8"},
        {{"", "", "ko_KR.eucKR"}, false, "eucKR"},
        {{"", "", "ko_KR"}, true, "EUC-KR"},
        {{"", "", "ko"}, true, "EUC-KR"},
        {{"", "korean", ""}, true, "EUC-KR"},  // an alias in locale.alias
    };
    for (const Lookup& c : cases) {
        bool looked_up = false;
        const std::string codeset = output_codeset(c.variables, [&] {
            looked_up = true;
            return std::optional<std::string>("EUC-KR");
        });
        EXPECT_EQ(looked_up, c.looked_up) << c.variables.lc_ctype << c.variables.lang;
        EXPECT_EQ(codeset, c.expected) << c.variables.lc_ctype << c.variables.lang;
    }
}

}  // namespace
