#pragma once

#include <string>

#include "random.h"

namespace kavinor::bench {

// A POI name as German collections have them: 10 to 40 bytes, many with UTF-8 umlauts, some
// with a quoted trade name.
std::string makePoiName(Random& random);

// The id and extra data of an extended record.
std::string makePoiId(Random& random);
std::string makePoiExtra(Random& random);

}  // namespace kavinor::bench
