#include "core/numbers/big_int.h"

#include <cstdint>
#include <vector>

std::string decimalText(const BigInt& n) {
    constexpr std::uint64_t chunkSize = 1'000'000'000'000'000'000ULL;
    constexpr std::size_t chunkDigits = 18;
    std::vector<std::uint64_t> chunks; // the lowest first
    BigInt rest = abs(n);
    do {
        BigInt quotient, remainder;
        divide_qr(rest, BigInt(chunkSize), quotient, remainder);
        chunks.push_back(remainder.convert_to<std::uint64_t>());
        rest = std::move(quotient);
    } while (rest != 0);

    std::string text = n < 0 ? "-" : "";
    text += std::to_string(chunks.back());
    for (std::size_t i = chunks.size() - 1; i-- > 0;) {
        const std::string digits = std::to_string(chunks[i]);
        text.append(chunkDigits - digits.size(), '0');
        text += digits;
    }
    return text;
}

BigInt powerOfTen(int exponent) {
    return pow(BigInt(10), static_cast<unsigned>(exponent));
}
