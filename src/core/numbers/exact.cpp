#include "core/numbers/exact.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// Products of two 64-bit terms, for the modular arithmetic of the factoring below.
__extension__ typedef unsigned __int128 WideUInt;

// --- Square factors -------------------------------------------------------------------------
// Trial division takes the small primes; what is left has only large prime factors. Only square
// factors matter: a number that is neither prime nor a square either has a prime factor below
// its cube root, which Pollard's rho finds in about n^(1/6) steps, or is the product of two
// distinct primes and has none. The search is given eight times those steps, and a number it
// finds no factor of stays whole under the root: a product of two 32-bit primes takes a fifth of
// a millisecond instead of several. Montgomery multiplication keeps the modular products free
// of 128-bit division, which is slow in WebAssembly.

struct Montgomery {
    std::uint64_t n, inverse, r2; // inverse: n^-1 mod 2^64; r2: 2^128 mod n

    explicit Montgomery(std::uint64_t modulus) : n(modulus), inverse(modulus) {
        for (int step = 0; step < 5; ++step)
            inverse *= 2 - n * inverse;
        r2 = std::uint64_t((WideUInt(1) << 64) % n);
        r2 = std::uint64_t(WideUInt(r2) * r2 % n);
    }
    std::uint64_t reduce(WideUInt t) const {
        const std::uint64_t m = std::uint64_t(t) * inverse;
        const std::uint64_t high = std::uint64_t(t >> 64);
        const std::uint64_t correction = std::uint64_t((WideUInt(m) * n) >> 64);
        return high >= correction ? high - correction : high - correction + n;
    }
    std::uint64_t multiply(std::uint64_t p, std::uint64_t q) const {
        return reduce(WideUInt(p) * q);
    }
    std::uint64_t to(std::uint64_t x) const { return multiply(x % n, r2); }
    std::uint64_t add(std::uint64_t p, std::uint64_t q) const {
        const std::uint64_t sum = p + q;
        return (sum >= n || sum < p) ? sum - n : sum;
    }
};

bool isPrime(std::uint64_t n) {
    if (n < 2)
        return false;
    for (std::uint64_t p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        if (n % p == 0)
            return n == p;
    }
    const Montgomery m(n);
    std::uint64_t d = n - 1;
    int twos = 0;
    while (d % 2 == 0) {
        d /= 2;
        ++twos;
    }
    const std::uint64_t one = m.to(1);
    const std::uint64_t minusOne = m.to(n - 1);
    // These bases decide every 64-bit number.
    for (std::uint64_t base : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        std::uint64_t x = one;
        std::uint64_t power = m.to(base);
        for (std::uint64_t e = d; e > 0; e >>= 1) {
            if (e & 1)
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

std::uint64_t gcd64(std::uint64_t p, std::uint64_t q) {
    while (q != 0) {
        const std::uint64_t rest = p % q;
        p = q;
        q = rest;
    }
    return p;
}

// A proper factor of an odd composite n (Brent's variant, products of 128 differences per gcd),
// or 0 where none is found within `budget` steps.
std::uint64_t rhoFactor(std::uint64_t n, std::uint64_t budget) {
    const Montgomery m(n);
    std::uint64_t steps = 0;
    for (std::uint64_t increment = 1; steps < budget; ++increment) {
        const std::uint64_t c = m.to(increment);
        const auto next = [&](std::uint64_t x) { return m.add(m.multiply(x, x), c); };
        std::uint64_t y = m.to(2), x = y, saved = y, product = m.to(1), g = 1;
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
                    product = m.multiply(product, x > y ? x - y : y - x);
                }
                g = gcd64(product, n);
            }
        }
        if (g == n) {
            // The batch overshot: step through it one difference at a time.
            do {
                saved = next(saved);
                g = gcd64(x > saved ? x - saved : saved - x, n);
            } while (g == 1);
        }
        if (g != 1 && g != n)
            return g;
    }
    return 0;
}

std::uint64_t integerRoot(std::uint64_t n) {
    auto root = std::uint64_t(__builtin_sqrtl(static_cast<long double>(n)));
    while (WideUInt(root) * root > n)
        --root;
    while (WideUInt(root + 1) * (root + 1) <= n)
        ++root;
    return root;
}

// The prime factors of n with their exponents, where the search for a factor of a part gets
// `budget` steps: a part it cannot split is kept whole.
void collectPrimes(std::uint64_t n, int exponent, std::uint64_t budget,
                   std::vector<std::pair<std::uint64_t, int>>& out) {
    if (n == 1)
        return;
    if (const std::uint64_t root = integerRoot(n); root * root == n) {
        collectPrimes(root, exponent * 2, budget, out);
        return;
    }
    if (isPrime(n)) {
        out.push_back({n, exponent});
        return;
    }
    const std::uint64_t factor = rhoFactor(n, budget);
    if (factor == 0) {
        out.push_back({n, exponent});
        return;
    }
    collectPrimes(factor, exponent, budget, out);
    collectPrimes(n / factor, exponent, budget, out);
}

bool fitsIn64Bits(const BigInt& n) {
    return n >= 0 && n <= std::numeric_limits<std::uint64_t>::max();
}

// u + v*sqrt(r) for an r without square factors, negative for an imaginary part.
Surd combine(const Rational& u, const Rational& scaled, const BigInt& r) {
    if (r == 0 || scaled.num == 0)
        return {u.num, 0, u.den, 0};
    if (r == 1) {
        const Rational sum = u + scaled;
        return {sum.num, 0, sum.den, 0};
    }
    const BigInt c = u.den / gcd(u.den, scaled.den) * scaled.den;
    const BigInt a = u.num * (c / u.den);
    const BigInt b = scaled.num * (c / scaled.den);
    const BigInt common = gcd(gcd(a, b), c);
    return {a / common, b / common, c / common, r};
}

} // namespace

// --- Square roots ----------------------------------------------------------------------------

SquareSplit splitSquares(const BigInt& n) {
    SquareSplit split;
    if (n == 0) {
        split.root = 0;
        return split;
    }
    BigInt rest = abs(n);
    std::vector<std::pair<std::uint64_t, int>> primes;
    for (std::uint64_t p = 2; p < 1000 && p * p <= rest; p += (p == 2 ? 1 : 2)) {
        int exponent = 0;
        while (rest % p == 0) {
            rest /= p;
            ++exponent;
        }
        if (exponent > 0)
            primes.push_back({p, exponent});
    }
    if (fitsIn64Bits(rest)) {
        // The budget is set by the whole cofactor: a part it leaves whole is two primes above
        // the cofactor's cube root, which no other part shares.
        const auto cofactor = rest.convert_to<std::uint64_t>();
        const int bits = cofactor == 0 ? 0 : 64 - __builtin_clzll(cofactor);
        collectPrimes(cofactor, 1, std::uint64_t(8) << ((bits + 5) / 6), primes);
    } else if (const BigInt root = sqrt(rest); root * root == rest) {
        // The root's own square factors need not be found: it stands outside the root whole.
        split.root = root;
    } else {
        // Factoring past 64 bits would take far too long; the number stays exact under the root.
        split.squareFree = rest;
    }
    // The search may find a prime in two parts of n, as p and p*q of p*p*q: its exponents add.
    std::sort(primes.begin(), primes.end());
    for (std::size_t i = 0; i < primes.size();) {
        const std::uint64_t prime = primes[i].first;
        int exponent = 0;
        for (; i < primes.size() && primes[i].first == prime; ++i)
            exponent += primes[i].second;
        for (int k = 0; k < exponent / 2; ++k)
            split.root *= prime;
        if (exponent % 2 == 1)
            split.squareFree *= prime;
    }
    return split;
}

Surd Surd::of(const Rational& u, const Rational& v, const BigInt& radicand) {
    if (radicand == 0 || v.num == 0)
        return {u.num, 0, u.den, 0};
    const SquareSplit split = splitSquares(radicand);
    const BigInt r = radicand < 0 ? BigInt(-split.squareFree) : split.squareFree;
    return combine(u, v * Rational::of(split.root, 1), r);
}

std::string Surd::text() const {
    if (b == 0)
        return Rational::of(a, c).text();
    const BigInt size = abs(b);
    const BigInt rootOf = abs(r);
    std::string term = size == 1 ? "" : decimalText(size);
    if (r < 0)
        term += "i";
    if (rootOf != 1)
        term += "\u221A" + decimalText(rootOf);
    std::string numerator;
    if (a == 0)
        numerator = (b < 0 ? "-" : "") + term;
    else
        numerator = decimalText(a) + (b < 0 ? " - " : " + ") + term;
    if (c == 1)
        return numerator;
    return a == 0 ? numerator + "/" + decimalText(c) : "(" + numerator + ")/" + decimalText(c);
}

ExactRoots exactRoots(const Rational& a, const Rational& b, const Rational& c) {
    ExactRoots roots;
    roots.discriminant = b * b - Rational(4) * a * c;
    const Rational twiceA = a + a;
    const Rational vertex = -b / twiceA;
    const Rational& D = roots.discriminant;
    if (D.num == 0) {
        roots.first = roots.second = combine(vertex, 0, 0);
        return roots;
    }
    // sqrt(p/q) = sqrt(p*q)/q: the square factors of p and q are taken apart, which keeps the
    // numbers to factor small, and what is left of them shares only the factor g.
    const SquareSplit top = splitSquares(D.num);
    const SquareSplit bottom = splitSquares(D.den);
    const BigInt g = gcd(top.squareFree, bottom.squareFree);
    const BigInt radicand = (top.squareFree / g) * (bottom.squareFree / g);
    // sqrt|D| = top.root * g * sqrt(radicand) / (bottom.root * bottom.squareFree)
    Rational factor = Rational::of(top.root * g, bottom.root * bottom.squareFree) / twiceA;
    if (D.num < 0 && factor.num < 0)
        factor = -factor; // the first root carries the positive imaginary part
    const BigInt signedRadicand = D.num < 0 ? BigInt(-radicand) : radicand;
    // The radicand has no square factors left to find: it is not split again.
    roots.first = combine(vertex, factor, signedRadicand);
    roots.second = combine(vertex, -factor, signedRadicand);
    return roots;
}
