#include "source_files.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "data_set.h"

namespace kavinor::bench {
namespace {

constexpr std::array<std::string_view, 16> kCollections = {
    "Blitzer",         "Tankstellen", "Rastplätze", "Biergärten",      "Campingplätze",
    "Apotheken",       "Museen",      "Freibäder",  "Parkhäuser",      "Bäckereien",
    "Werkstätten",     "Ladesäulen",  "Autohöfe",   "Jugendherbergen", "Burgen und Schlösser",
    "Wanderparkplätze"};

constexpr std::array<std::string_view, 16> kRegions = {"Bayern",
                                                       "Baden-Württemberg",
                                                       "Nordrhein-Westfalen",
                                                       "Thüringen",
                                                       "Sachsen",
                                                       "Schleswig-Holstein",
                                                       "Rheinland-Pfalz",
                                                       "Saarland",
                                                       "Köln",
                                                       "München",
                                                       "Nürnberg",
                                                       "Lüneburger Heide",
                                                       "Bodensee",
                                                       "Allgäu",
                                                       "Österreich",
                                                       "Südtirol"};

constexpr std::array<std::string_view, 3> kSeparators = {" ", "_", " - "};

template <std::size_t N>
std::string_view pick(const std::array<std::string_view, N>& words, Random& random) {
    return words[random.below(N)];
}

// The running number keeps every name apart, also without regard to letter case.
std::string fileName(int number, Random& random) {
    char digits[16];
    std::snprintf(digits, sizeof digits, " %04d.ov2", number);
    std::string name(pick(kCollections, random));
    name.append(pick(kSeparators, random)).append(pick(kRegions, random)).append(digits);
    return name;
}

}  // namespace

SourceFiles makeSourceFiles(const std::filesystem::path& dir, int count, int minPois, int maxPois,
                            Random& random) {
    std::filesystem::create_directories(dir);
    SourceFiles made;
    for (int number = 1; number <= count; ++number) {
        const int pois = static_cast<int>(random.between(minPois, maxPois));
        made.names.push_back(fileName(number, random));
        writeOv2File(dir / made.names.back(), pois, random);
        made.pois += static_cast<std::uint64_t>(pois);
        made.bytes += std::filesystem::file_size(dir / made.names.back());
    }
    return made;
}

}  // namespace kavinor::bench
