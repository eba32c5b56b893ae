#include "core/practice/random_numbers.h"

std::uint64_t RandomNumbers::next() {
    // SplitMix64, as Steele, Lea and Flood published it.
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t RandomNumbers::below(std::uint64_t count) {
    // Draws past the largest multiple of count are drawn again, so no number is likelier.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % count;
    std::uint64_t draw = next();
    while (draw >= limit)
        draw = next();
    return draw % count;
}

std::int64_t RandomNumbers::between(std::int64_t low, std::int64_t high) {
    return low + std::int64_t(below(std::uint64_t(high - low) + 1));
}
