#pragma once

// Whole .ov2 files (encoded by hand) and .asc files made of POI lists for tests, and the POIs a
// merge of several must hold.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "ov2_bytes.h"
#include "poi_list.h"

namespace kavinor::test {

// The .ov2 records of `pois` within one area.
std::string ov2File(const std::vector<Poi>& pois);
// The .asc lines of `pois`, as the tools write them.
std::string ascFile(const std::vector<Poi>& pois);

// `count` POIs spread over the world with distinct names, some extended, some with quotes,
// umlauts, Windows-1252 bytes and shell characters; their records and their lines.
std::vector<Poi> samplePois(std::size_t count);
std::string sampleOv2(std::size_t count);
std::string sampleAsc(std::size_t count);

// All POIs of `parts`, sorted, for comparing with what a merge made.
std::vector<Poi> joined(std::initializer_list<std::vector<Poi>> parts);

}  // namespace kavinor::test
