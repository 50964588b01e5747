#pragma once

#include <cstdint>

namespace kavinor::bench {

// A generator whose algorithm is fixed here, so one seed gives the same data on every system;
// the standard library's distributions may differ between implementations.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A number in [0, bound); the modulo bias is far below anything the data could show.
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }

    // A number in [low, high].
    std::int64_t between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(below(static_cast<std::uint64_t>(high - low) + 1));
    }

    bool percent(int chance) { return below(100) < static_cast<std::uint64_t>(chance); }

private:
    std::uint64_t state_;
};

}  // namespace kavinor::bench
