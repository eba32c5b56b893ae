#include "core/numbers/exact.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

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
    roots.unsplit = gcd(radicand, top.unsplit * bottom.unsplit);
    const BigInt signedRadicand = D.num < 0 ? BigInt(-radicand) : radicand;
    // The radicand has no square factors left to find: it is not split again.
    roots.first = combine(vertex, factor, signedRadicand);
    roots.second = combine(vertex, -factor, signedRadicand);
    return roots;
}
