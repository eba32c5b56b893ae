#pragma once

#include <cstdint>

// The exercises' own random numbers: SplitMix64 and a range reduction of our own, so that a
// sheet's code gives the same exercises on the desktop and on the page, whose standard libraries
// draw differently from the same engine.
class RandomNumbers {
public:
    explicit RandomNumbers(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    // A number from 0 to count - 1, every one as likely; count > 0.
    std::uint64_t below(std::uint64_t count);
    // A number from low to high, both included; low <= high.
    std::int64_t between(std::int64_t low, std::int64_t high);

private:
    std::uint64_t m_state;
};
