#pragma once

#include <cmath>

namespace kavinor::qt {

// Layout positions are in twips, 1440 an inch: 15 a pixel on a screen of 96 dots per inch.
inline int toPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

}  // namespace kavinor::qt
