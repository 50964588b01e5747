#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "icu_collation.h"

namespace kavinor::platform {
namespace {

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
    std::mt19937 random(20261206);
    for (int round = 0; round < 5; ++round) {
        std::vector<std::string> names = sorted;
        std::shuffle(names.begin(), names.end(), random);
        std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
            return collation.sortKey(a) < collation.sortKey(b);
        });
        EXPECT_EQ(names, sorted);
    }
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
