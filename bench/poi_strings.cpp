#include "poi_strings.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace kavinor::bench {
namespace {

constexpr std::size_t kShortestName = 10;
constexpr std::size_t kLongestName = 40;

constexpr std::array<std::string_view, 24> kKinds = {
    "Gasthaus",  "Gasthof", "Bäckerei",      "Metzgerei",  "Apotheke",       "Tankstelle",
    "Hotel",     "Pension", "Parkplatz",     "Rastplatz",  "Autohof",        "Blitzer",
    "Rathaus",   "Museum",  "Freibad",       "Biergarten", "Café",           "Kiosk",
    "Werkstatt", "Bahnhof", "Getränkemarkt", "Zahnarzt",   "Jugendherberge", "Campingplatz"};

constexpr std::array<std::string_view, 10> kTradeNames = {
    "Zur Linde", "Zum Löwen",   "Goldener Hirsch", "Alte Mühle",  "Zum Schwan",
    "Sonnenhof", "Grüner Baum", "Zur Post",        "Drei Könige", "Waldesruh"};

constexpr std::array<std::string_view, 24> kPlaces = {
    "München",  "Köln",    "Düsseldorf", "Nürnberg",  "Würzburg", "Lübeck",
    "Gießen",   "Görlitz", "Bad Tölz",   "Osnabrück", "Fürth",    "Tübingen",
    "Lüneburg", "Hamburg", "Berlin",     "Dresden",   "Freiburg", "Regensburg",
    "Kiel",     "Jena",    "Münster",    "Göttingen", "Bremen",   "Saarbrücken"};

constexpr std::array<std::string_view, 8> kStreets = {"Hauptstraße", "Bahnhofstraße", "Kirchweg",
                                                      "Am Markt",    "Lindenallee",   "Mühlenweg",
                                                      "Dorfstraße",  "Brückenstraße"};

constexpr std::array<std::string_view, 6> kExtras = {"Mo-Fr 8-18 Uhr",    "Sa 9-13 Uhr",
                                                     "Tel. 0911 2345678", "Zufahrt über den Hof",
                                                     "geöffnet ab 6 Uhr", "max. 3,5 t"};

template <std::size_t N>
constexpr std::size_t shortest(const std::array<std::string_view, N>& words) {
    return std::ranges::min(words, {}, &std::string_view::size).size();
}

template <std::size_t N>
constexpr std::size_t longest(const std::array<std::string_view, N>& words) {
    return std::ranges::max(words, {}, &std::string_view::size).size();
}

// "KIND PLACE" stands in for any longer form that would pass the limit, so it must fit.
static_assert(shortest(kKinds) + 1 + shortest(kPlaces) >= kShortestName);
static_assert(longest(kKinds) + 1 + longest(kPlaces) <= kLongestName);

template <std::size_t N>
std::string_view pick(const std::array<std::string_view, N>& words, Random& random) {
    return words[random.below(N)];
}

}  // namespace

std::string makePoiName(Random& random) {
    const std::string_view kind = pick(kKinds, random);
    const std::string_view place = pick(kPlaces, random);
    std::string name;
    const std::uint64_t form = random.below(100);
    if (form < 5) {
        name.append(kind).append(" \"").append(pick(kTradeNames, random)).append("\" ");
        name.append(place);
    } else if (form < 45) {
        name.append(kind).append(" ").append(place).append(", ");
        name.append(pick(kStreets, random)).append(" ");
        name.append(std::to_string(random.between(1, 120)));
    } else if (form < 60) {
        name.append(place).append(" ").append(kind);
    } else {
        name.append(kind).append(" ").append(place);
    }
    if (name.size() > kLongestName) name.assign(kind).append(" ").append(place);
    return name;
}

std::string makePoiId(Random& random) {
    char id[16];
    std::snprintf(id, sizeof id, "DE%07llu",
                  static_cast<unsigned long long>(random.below(10'000'000)));
    return id;
}

std::string makePoiExtra(Random& random) {
    return std::string(pick(kExtras, random));
}

}  // namespace kavinor::bench
