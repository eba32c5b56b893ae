#include "core/typing/answer_number.h"

namespace {

// u + v·√r written over the radicand's square factors.
AnswerNumber simplified(const Rational& u, const Rational& v, const BigInt& r, const Rational& t,
                        bool decimal) {
    AnswerNumber number = AnswerNumber::of(Surd::of(u, v, r));
    number.t = t;
    number.decimal = decimal;
    return number;
}

void needSameRoot(const AnswerNumber& p, const AnswerNumber& q) {
    if (p.v.sign() != 0 && q.v.sign() != 0 && p.r != q.r)
        throw AnswerArithmetic("two different square roots in one number");
}

} // namespace

AnswerNumber AnswerNumber::squareRoot(const Rational& value) {
    // √(p/q) = √(p·q)/q
    return simplified(0, Rational::of(1, value.den), value.num * value.den, 0, false);
}

AnswerNumber AnswerNumber::of(const Surd& value) {
    return {Rational::of(value.a, value.c), Rational::of(value.b, value.c), 0, value.r, false};
}

AnswerNumber operator+(const AnswerNumber& p, const AnswerNumber& q) {
    needSameRoot(p, q);
    return simplified(p.u + q.u, p.v + q.v, p.v.sign() != 0 ? p.r : q.r, p.t + q.t,
                      p.decimal || q.decimal);
}

AnswerNumber operator-(const AnswerNumber& p) {
    return {-p.u, -p.v, -p.t, p.r, p.decimal};
}

AnswerNumber operator-(const AnswerNumber& p, const AnswerNumber& q) {
    return p + -q;
}

AnswerNumber operator*(const AnswerNumber& p, const AnswerNumber& q) {
    const bool decimal = p.decimal || q.decimal;
    if (p.hasParameter() || q.hasParameter()) {
        const AnswerNumber& linear = p.hasParameter() ? p : q;
        const AnswerNumber& factor = p.hasParameter() ? q : p;
        if (!factor.isRational() || linear.v.sign() != 0)
            throw AnswerArithmetic("a letter multiplied by a letter or a root");
        return {linear.u * factor.u, 0, linear.t * factor.u, 0, decimal};
    }
    if (p.v.sign() == 0 || q.v.sign() == 0 || p.r == q.r) {
        const BigInt& r = p.v.sign() != 0 ? p.r : q.r;
        return simplified(p.u * q.u + p.v * q.v * Rational::of(r, 1), p.u * q.v + p.v * q.u, r, 0,
                          decimal);
    }
    if (p.u.sign() != 0 || q.u.sign() != 0)
        throw AnswerArithmetic("two different square roots in one number");
    // √r·√s = √(rs), but i·i = -1: two imaginary roots give a real one with its sign changed.
    const bool bothImaginary = p.r < 0 && q.r < 0;
    const Rational v = bothImaginary ? -(p.v * q.v) : p.v * q.v;
    return simplified(0, v, p.r * q.r, 0, decimal);
}

AnswerNumber operator/(const AnswerNumber& p, const AnswerNumber& q) {
    if (q.hasParameter())
        throw AnswerArithmetic("a division by a letter");
    // (u + v√r)/(x + y√r) = (u + v√r)(x - y√r)/(x² - y²r)
    const Rational norm = q.u * q.u - q.v * q.v * Rational::of(q.r, 1);
    if (norm.sign() == 0)
        throw AnswerArithmetic("a division by 0");
    const AnswerNumber conjugate{q.u / norm, -q.v / norm, 0, q.r, false};
    AnswerNumber quotient = p * conjugate;
    quotient.decimal = p.decimal || q.decimal;
    return quotient;
}

bool sameNumber(const Surd& p, const Surd& q) {
    return p.a == q.a && p.b == q.b && p.c == q.c && p.r == q.r;
}

int compareReal(const Surd& p, const Rational& q) {
    // The sign of (a - qc) + b√r, c > 0.
    const Rational x = Rational::of(p.a, 1) - q * Rational::of(p.c, 1);
    if (p.b == 0)
        return x.sign();
    const int y = p.b.sign();
    if (x.sign() == 0 || x.sign() == y)
        return y;
    const Rational squares = x * x - Rational::of(p.b * p.b * p.r, 1);
    return x.sign() > 0 ? squares.sign() : -squares.sign();
}
