#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/numbers/exact.h"

// Square factors of an integer of any size. Trial division takes the small primes; what is left
// has only large prime factors. Only square factors matter: a number that is neither prime nor a
// square either has a prime factor below its cube root, which Pollard's rho finds in about
// n^(1/6) steps, or is the product of two distinct primes and has none. The search is given
// eight times those steps, up to a limit that keeps the first working within a frame; a part it
// finds no factor of stays whole under the root, and is named where a square could hide in it.
// One search and one primality test serve every size: below 2^128 with Montgomery products,
// which avoid 128-bit division (slow in WebAssembly), above it with the exact integers.

namespace {

__extension__ typedef unsigned __int128 WideUInt;

// The most steps a search gets: some 40 thousand find a prime factor near 10^9 on average. Past
// 128 bits each step costs ten times as much, and the search stops far sooner.
constexpr std::uint64_t stepLimit = std::uint64_t(1) << 18;
constexpr std::uint64_t wideStepLimit = std::uint64_t(1) << 12;

BigInt bigOf(WideUInt n) {
    return (BigInt(std::uint64_t(n >> 64)) << 64) + std::uint64_t(n);
}

WideUInt wideOf(const BigInt& n) {
    return (WideUInt((n >> 64).convert_to<std::uint64_t>()) << 64) |
           (n & std::numeric_limits<std::uint64_t>::max()).convert_to<std::uint64_t>();
}

// Residues modulo an odd n below 2^128, in Montgomery form: the 256-bit products are taken in
// 64-bit halves, ten times faster than the exact integers.
class Modulo128 {
public:
    using Number = WideUInt;
    explicit Modulo128(WideUInt modulus) : m_n(modulus), m_inverse(modulus) {
        for (int step = 0; step < 6; ++step)
            m_inverse *= 2 - m_n * m_inverse; // m_n^-1 mod 2^128
        m_r2 = wideOf((BigInt(1) << 256) % bigOf(m_n));
    }
    Number modulus() const { return m_n; }
    Number of(std::uint64_t x) const { return multiply(x % m_n, m_r2); }
    Number multiply(Number p, Number q) const {
        const auto [high, low] = wideProduct(p, q);
        const WideUInt correction = wideProduct(low * m_inverse, m_n).first;
        return high >= correction ? high - correction : high - correction + m_n;
    }
    Number add(Number p, Number q) const {
        const WideUInt sum = p + q;
        return (sum >= m_n || sum < p) ? sum - m_n : sum;
    }
    Number common(Number p) const {
        WideUInt q = m_n;
        while (q != 0) {
            const WideUInt rest = p % q;
            p = q;
            q = rest;
        }
        return p;
    }

private:
    // p*q as its high and low 128 bits.
    static std::pair<WideUInt, WideUInt> wideProduct(WideUInt p, WideUInt q) {
        const WideUInt p0 = std::uint64_t(p), p1 = p >> 64, q0 = std::uint64_t(q), q1 = q >> 64;
        const WideUInt low = p0 * q0, cross1 = p0 * q1, cross2 = p1 * q0;
        const WideUInt middle = (low >> 64) + std::uint64_t(cross1) + std::uint64_t(cross2);
        return {p1 * q1 + (cross1 >> 64) + (cross2 >> 64) + (middle >> 64),
                (middle << 64) | std::uint64_t(low)};
    }
    WideUInt m_n, m_inverse, m_r2;
};

// Residues modulo an odd n of any size, as plain remainders.
class ModuloBig {
public:
    using Number = BigInt;
    explicit ModuloBig(BigInt modulus) : m_n(std::move(modulus)) {}
    const Number& modulus() const { return m_n; }
    Number of(std::uint64_t x) const { return BigInt(x) % m_n; }
    Number multiply(const Number& p, const Number& q) const { return p * q % m_n; }
    Number add(const Number& p, const Number& q) const {
        Number sum = p + q;
        return sum >= m_n ? Number(sum - m_n) : sum;
    }
    Number common(const Number& p) const { return gcd(p, m_n); }

private:
    BigInt m_n;
};

template <class Number> Number difference(const Number& p, const Number& q) {
    return p > q ? Number(p - q) : Number(q - p);
}

// Miller and Rabin's test with the first twelve primes as bases: it decides every number below
// 3·10^23, and no larger composite is known that passes it.
template <class Modulo> bool isPrime(const Modulo& m) {
    using Number = typename Modulo::Number;
    const Number& n = m.modulus();
    Number d = n - 1;
    int twos = 0;
    while (d % 2 == 0) {
        d /= 2;
        ++twos;
    }
    const Number one = m.of(1), minusOne = Number(n - one);
    for (std::uint64_t base : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        Number x = one, power = m.of(base);
        for (Number e = d; e > 0; e >>= 1) {
            if ((e & 1) != 0)
                x = m.multiply(x, power);
            power = m.multiply(power, power);
        }
        if (x == one || x == minusOne)
            continue;
        bool composite = true;
        for (int round = 1; round < twos && composite; ++round) {
            x = m.multiply(x, x);
            composite = x != minusOne;
        }
        if (composite)
            return false;
    }
    return true;
}

// A proper factor of an odd composite n (Brent's variant, products of 128 differences per gcd),
// or 0 where none is found within `budget` steps.
template <class Modulo> typename Modulo::Number rhoFactor(const Modulo& m, std::uint64_t budget) {
    using Number = typename Modulo::Number;
    std::uint64_t steps = 0;
    for (std::uint64_t increment = 1; steps < budget; ++increment) {
        const Number c = m.of(increment);
        const auto next = [&](const Number& x) { return m.add(m.multiply(x, x), c); };
        Number y = m.of(2), x = y, saved = y, product = m.of(1), g = 1;
        for (std::uint64_t length = 1; g == 1 && steps + 2 * length <= budget; length *= 2) {
            x = y;
            steps += 2 * length;
            for (std::uint64_t i = 0; i < length; ++i)
                y = next(y);
            for (std::uint64_t done = 0; done < length && g == 1; done += 128) {
                saved = y;
                const std::uint64_t batch = std::min<std::uint64_t>(128, length - done);
                for (std::uint64_t i = 0; i < batch; ++i) {
                    y = next(y);
                    product = m.multiply(product, difference(x, y));
                }
                g = m.common(product);
            }
        }
        if (g == m.modulus()) {
            // The batch overshot: step through it one difference at a time.
            do {
                saved = next(saved);
                g = m.common(difference(x, saved));
            } while (g == 1);
        }
        if (g != 1 && g != m.modulus())
            return g;
    }
    return 0;
}

struct PrimePart {
    BigInt prime; // or a part the search could not split
    int exponent;
    bool unsplit;
};

unsigned bitsOf(const BigInt& n) {
    return n == 0 ? 0 : unsigned(msb(n)) + 1;
}

// The prime factors of n with their exponents, where the search for a factor of a part gets
// `budget` steps: a part it cannot split is kept whole.
void collectPrimes(const BigInt& n, int exponent, std::uint64_t budget,
                   std::vector<PrimePart>& out) {
    if (n == 1)
        return;
    if (const BigInt root = sqrt(n); root * root == n) {
        collectPrimes(root, exponent * 2, budget, out);
        return;
    }
    BigInt factor;
    if (msb(n) < 128) {
        const Modulo128 m(wideOf(n));
        factor = bigOf(isPrime(m) ? 1 : rhoFactor(m, budget));
    } else {
        const ModuloBig m(n);
        factor = isPrime(m) ? BigInt(1) : rhoFactor(m, budget);
    }
    if (factor <= 1) {
        out.push_back({n, exponent, factor == 0});
        return;
    }
    collectPrimes(factor, exponent, budget, out);
    collectPrimes(n / factor, exponent, budget, out);
}

SquareSplit splitAnew(const BigInt& n) {
    SquareSplit split;
    if (n == 0) {
        split.root = 0;
        return split;
    }
    BigInt rest = abs(n);
    std::vector<PrimePart> primes;
    for (std::uint64_t p = 2; p < 1000 && p * p <= rest; p += (p == 2 ? 1 : 2)) {
        int exponent = 0;
        while (rest % p == 0) {
            rest /= p;
            ++exponent;
        }
        if (exponent > 0)
            primes.push_back({p, exponent, false});
    }
    // The budget is set by the whole cofactor: a part it leaves whole is two primes above the
    // cofactor's cube root, which no other part shares, unless the limit cut the search short.
    const unsigned sixth = (bitsOf(rest) + 5) / 6;
    const std::uint64_t limit = bitsOf(rest) > 128 ? wideStepLimit : stepLimit;
    const std::uint64_t budget = sixth >= 16 ? limit : std::min(limit, std::uint64_t(8) << sixth);
    collectPrimes(rest, 1, budget, primes);
    // Below the cube of what the search surely finds, an unsplit part has no square factor.
    const unsigned foundBits = 2 * (unsigned(std::bit_width(budget)) - 4);
    // The search may find a prime in two parts of n, as p and p*q of p*p*q: its exponents add.
    std::sort(primes.begin(), primes.end(),
              [](const PrimePart& p, const PrimePart& q) { return p.prime < q.prime; });
    for (std::size_t i = 0; i < primes.size();) {
        const PrimePart& part = primes[i];
        int exponent = 0;
        for (; i < primes.size() && primes[i].prime == part.prime; ++i)
            exponent += primes[i].exponent;
        for (int k = 0; k < exponent / 2; ++k)
            split.root *= part.prime;
        if (exponent % 2 == 1) {
            split.squareFree *= part.prime;
            if (part.unsplit && bitsOf(part.prime) > 3 * foundBits)
                split.unsplit *= part.prime;
        }
    }
    return split;
}

} // namespace

SquareSplit splitSquares(const BigInt& n) {
    // A working asks for the same number's split several times, as its lines are made and
    // checked: the last few are kept.
    struct Kept {
        BigInt n;
        SquareSplit split;
    };
    thread_local std::array<Kept, 8> kept;
    thread_local std::size_t next = 0;
    for (const Kept& k : kept)
        if (k.n == n && n != 0)
            return k.split;
    const SquareSplit split = splitAnew(n);
    kept[next] = {n, split};
    next = (next + 1) % kept.size();
    return split;
}
