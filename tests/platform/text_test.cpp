#include <gtest/gtest.h>
#include <stdlib.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "iconv_code_pages.h"
#include "icu_collation.h"
#include "run_tool.h"
#include "temp_dir.h"

namespace kavinor::platform {
namespace {

namespace fs = std::filesystem;

// The German letters and é, in each code page.
const std::string kUtf8Letters = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F\xC3\xA9";
const std::string kCp1252Letters = "\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xE9";
const std::string kCp850Letters = "\x84\x94\x81\x8E\x99\x9A\xE1\x82";

// German letters exactly; one `?`, in the target's own encoding, for each character the target
// lacks and for each invalid byte, going on after it, also between the same code page; only
// ASCII between code pages the system does not know. The system's pair follows the locale.
TEST(IconvCodePagesTest, ConvertsLetterForLetterAndTakesTheCharacterSetOfTheLocale) {
    const IconvCodePages pages("CP1252", "CP850");
    const std::string cases[][4] = {
        {kUtf8Letters, "UTF-8", "CP1252", kCp1252Letters},
        {kUtf8Letters, "UTF-8", "CP850", kCp850Letters},
        {kCp1252Letters, "CP1252", "CP850", kCp850Letters},
        {kCp850Letters, "CP850", "UTF-8", kUtf8Letters},
        {"", "CP1252", "CP850", ""},
        {"\x80 5", "CP1252", "CP850", "? 5"},
        {"\x80", "CP1252", "UTF-8", "\xE2\x82\xAC"},
        {"a\xE2\x82\xAC\xF0\x9F\x98\x80z", "UTF-8", "CP850", "a??z"},
        {"\xF0\x9F\x98\x80!", "UTF-8", "UCS-2LE", std::string("?\0!\0", 4)},
        {"a\xC3(b\xFF\xC3\xA4", "UTF-8", "CP1252", "a?(b?\xE4"},
        {"\xE2\x82z\xE2\x82", "UTF-8", "CP1252", "??z??"},
        {"\x81x\x8D", "CP1252", "UTF-8", "?x?"},
        {"x\xFFy\xC3\xA4\xED\xA0\x80", "utf-8", "UTF-8", "x?y\xC3\xA4???"},
        {kCp1252Letters, "cp1252", "CP1252", kCp1252Letters},
        {"\xC3\x84 ok?", "KEINE-SEITE", "UTF-8", "?? ok?"},
        {"\xC3\x84 ok?", "UTF-8", "KEINE-SEITE", "?? ok?"},
    };
    for (const auto& [text, from, to, expected] : cases) {
        EXPECT_EQ(pages.convert(text, from, to), expected) << from << " to " << to;
    }

    // The system's pair is the character set of the locale, where plain ASCII, which would turn
    // every umlaut into '?', and a locale that cannot be made count as UTF-8.
    const auto systemPair = [](const char* locale) {
        ::setenv("LC_ALL", locale, 1);
        const IconvCodePages pages;
        ::unsetenv("LC_ALL");
        return pages.ansiCodePage() + " " + pages.oemCodePage();
    };
    for (const char* locale : {"C", "POSIX", "xx_KEIN.LAND"}) {
        EXPECT_EQ(systemPair(locale), "UTF-8 UTF-8") << locale;
    }

    const std::string localedef = "/usr/bin/localedef";
    if (!fs::exists(localedef) || !fs::exists("/usr/share/i18n/charmaps/CP1252.gz")) {
        GTEST_SKIP() << "no locale sources to build a CP1252 locale from";
    }
    test::TempDir dir;
    // A path with a separator makes localedef write a directory instead of the system archive.
    const fs::path locale = dir.path() / "de_DE.CP1252";
    test::runTool(localedef, {"-i", "de_DE", "-f", "CP1252", locale.string()}, dir.path(),
                  dir.path() / "localedef.err");
    ASSERT_TRUE(fs::is_directory(locale)) << "localedef made no locale";
    ::setenv("LOCPATH", dir.path().c_str(), 1);
#if defined(__SANITIZE_ADDRESS__)
    // glibc's newlocale never frees its copy of LOCPATH.
    const __lsan::ScopedDisabler locPathLeak;
#endif
    EXPECT_EQ(systemPair("de_DE.CP1252"), "CP1252 CP1252");
    ::unsetenv("LOCPATH");
}

TEST(IcuCollation, SortsAsAGermanUserReadsAndNeverGivesDistinctNamesOneKey) {
    const IcuCollation collation;
    // Ascending as a German user looks for names; each neighbour pair shows a rule.
    const std::vector<std::string> sorted{
        "",           " Leerzeichen.ov2", "_unter.ov2",     "-minus.ov2",
        "€uro.ov2",   "10 Orte.ov2",      "2 Orte.ov2",     "a_b.ov2",
        "Aachen.ov2", "ab.ov2",           "ae.ov2",         "æ.ov2",
        "af.ov2",     "apfel.ov2",        "Apfel.ov2",      "äpfel.ov2",
        "Äpfel.ov2",  "Apfelbaum.ov2",    "etudé.ov2",      "étude.ov2",
        "Karte",      "Karte.ov2",        "Karte10.ov2",    "Karte2.ov2",
        "Lodz.ov2",   "Łódź.ov2",         "Lz.ov2",         "Orsted.ov2",
        "Ørsted.ov2", "Oz.ov2",           "Škoda.ov2",      "Strasse.ov2",
        "Straße.ov2", "Strassen.ov2",     "Überlingen.ov2", "Zoo.ov2",
        "þorn.ov2",   "Ωmega.ov2",
    };
    std::vector<std::string> names(sorted.rbegin(), sorted.rend());
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return collation.sortKey(a) < collation.sortKey(b);
    });
    EXPECT_EQ(names, sorted);
    // Canonically equivalent forms, and bytes that are no UTF-8, which read alike.
    const std::vector<std::string> alike{"ä", "a\xCC\x88", "\xFF", "\xFE", "\xEF\xBF\xBD", "A"};
    for (const std::string& a : alike) {
        for (const std::string& b : alike) {
            EXPECT_EQ(collation.sortKey(a) == collation.sortKey(b), a == b) << a << " / " << b;
        }
    }
}

}  // namespace
}  // namespace kavinor::platform
