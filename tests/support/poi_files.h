#pragma once

// Whole .ov2 files made of POI lists for tests, and the POIs a merge of several must hold.

#include <initializer_list>
#include <string>
#include <vector>

#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::test {

// An .ov2 file holding `pois` in one area, encoded by hand.
inline std::string ov2File(const std::vector<Poi>& pois) {
    std::string records;
    for (const Poi& p : pois) {
        records += p.extended ? extendedPoi(p.lon, p.lat, p.name, p.id, p.extra)
                              : simplePoi(p.lon, p.lat, p.name);
    }
    return area(records);
}

// All POIs of `parts`, sorted, for comparing with what a merge made.
inline std::vector<Poi> joined(std::initializer_list<std::vector<Poi>> parts) {
    std::vector<Poi> all;
    for (const std::vector<Poi>& part : parts) all.insert(all.end(), part.begin(), part.end());
    return sorted(all);
}

}  // namespace kavinor::test
