#pragma once

#include <stdexcept>

#include "core/numbers/exact.h"
#include "core/numbers/rational.h"

// A number of a pupil's answer: u + v·√r + t·(the parameter of a general solution). r is free of
// square factors, negative for an imaginary part ("2i" is 2·√-1), 0 where there is no root.
// Only the numbers a school answer holds are kept: one kind of root in a number, the parameter
// to the first power.
struct AnswerNumber {
    Rational u, v, t;
    BigInt r = 0;
    bool decimal = false; // a number in it was written with a decimal separator

    static AnswerNumber rational(const Rational& value) { return {value, 0, 0, 0, false}; }
    static AnswerNumber parameter() { return {0, 0, 1, 0, false}; }
    // The square root of a rational, "√(5/4)" as √5/2, "√-4" as 2i.
    static AnswerNumber squareRoot(const Rational& value);
    static AnswerNumber of(const Surd& value);

    bool hasParameter() const { return t.sign() != 0; }
    bool isRational() const { return v.sign() == 0 && !hasParameter(); }
    // Without the parameter's part.
    Surd surd() const { return Surd::of(u, v, r); }
};

// Why a number cannot be computed with: "√2 + √3", "t²", a division by 0.
class AnswerArithmetic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

AnswerNumber operator+(const AnswerNumber& p, const AnswerNumber& q);
AnswerNumber operator-(const AnswerNumber& p);
AnswerNumber operator-(const AnswerNumber& p, const AnswerNumber& q);
AnswerNumber operator*(const AnswerNumber& p, const AnswerNumber& q);
AnswerNumber operator/(const AnswerNumber& p, const AnswerNumber& q);

bool sameNumber(const Surd& p, const Surd& q);
// The sign of p - q for a real p.
int compareReal(const Surd& p, const Rational& q);
