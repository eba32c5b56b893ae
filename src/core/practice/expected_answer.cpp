#include <cmath>

#include "core/numbers/big_int.h"
#include "core/practice/answer_check.h"
#include "core/typing/answer_number.h"
#include "core/working/exact_values.h"
#include "core/working/notation.h"
#include "core/working/working_parts.h"

// The key's answers, as a pupil writes them; each reads back as right.

namespace {

// A real surd correctly rounded to the places.
Rational roundedTo(const Surd& root, int places) {
    const Rational unit = Rational::of(1, powerOfTen(places));
    const double estimate =
        nearestDouble(rationalPart(root)) +
        nearestDouble(surdFactor(root)) * std::sqrt(nearestDouble(Rational::of(root.r, 1)));
    Rational value = Rational(std::llround(estimate / nearestDouble(unit))) * unit;
    // The estimate may be a unit out; the exact comparison settles it.
    const Rational half = unit / Rational(2);
    while (compareReal(root, value + half) >= 0)
        value = value + unit;
    while (compareReal(root, value - half) < 0)
        value = value - unit;
    return value;
}

// "(3 ± √5)/2", "1 ± √2": the two real roots with one "±".
std::string surdPair(const Surd& root, const Notation& n) {
    Surd plus = root;
    plus.b = abs(plus.b);
    const std::string text = n.surd(plus);
    const std::size_t sign = text.find(" + ");
    if (sign != std::string::npos)
        return text.substr(0, sign) + " ± " + text.substr(sign + 3);
    return "±" + text;
}

std::string equationAnswer(const Exercise& exercise, const Notation& n) {
    const std::vector<Rational>& k = exercise.coefficients;
    if (k[0].sign() == 0)
        return "x = " + n.fraction(-k[2] / k[1]);
    const ExactRoots roots = exactRoots(k[0], k[1], k[2]);
    if (roots.first.rational()) {
        const Rational x1 = rationalPart(roots.first), x2 = rationalPart(roots.second);
        if (x1 == x2)
            return "x = " + n.fraction(x1);
        return n.list({"x1 = " + n.fraction(x1), "x2 = " + n.fraction(x2)});
    }
    if (roots.first.r < 0)
        return "x1,2 = " + n.complexPair(roots.first);
    std::string text = "x1,2 = " + surdPair(roots.first, n);
    if (exercise.decimalPlaces > 0)
        text += " ≈ " + n.list({n.number(roundedTo(roots.first, exercise.decimalPlaces)),
                                n.number(roundedTo(roots.second, exercise.decimalPlaces))});
    return text;
}

std::string systemAnswer(const Exercise& exercise, const Notation& n) {
    ExactCoefficients coefficients;
    std::copy(exercise.coefficients.begin(), exercise.coefficients.end(), coefficients.k.begin());
    const SystemFacts facts = systemFacts(coefficients);
    switch (facts.kind) {
    case SystemFacts::Kind::One:
        return n.list({"x = " + n.fraction(facts.x), "y = " + n.fraction(facts.y)});
    case SystemFacts::Kind::None:
        return "No solution";
    case SystemFacts::Kind::Every:
        return "Infinitely many";
    case SystemFacts::Kind::Line:
        break;
    }
    // From an equation that has y: y = r/q - (p/q)·t for x = t; else x is fixed and y = t.
    const auto& k = facts.k;
    const int row = k[1].sign() != 0 || k[0].sign() != 0 ? 0 : 3;
    const Rational &p = k[row], &q = k[row + 1], &r = k[row + 2];
    if (q.sign() != 0) {
        // y = (r - p·t)/q over whole numbers: "2 - t", "(-1 + t)/2".
        const Rational constant = r / q, slope = -p / q;
        const BigInt over = constant.den / gcd(constant.den, slope.den) * slope.den;
        const std::string sum =
            n.sum({{constant * Rational::of(over, 1), ""}, {slope * Rational::of(over, 1), "t"}});
        return "Infinitely many: " +
               n.list({"x = t", "y = " + (over == 1 ? sum : "(" + sum + ")/" + decimalText(over))});
    }
    return "Infinitely many: " + n.list({"x = " + n.fraction(r / p), "y = t"});
}

} // namespace

std::string expectedAnswer(const Exercise& exercise, const NumberLocale& locale) {
    const Notation n(locale);
    return isSystem(exercise.kind) ? systemAnswer(exercise, n) : equationAnswer(exercise, n);
}
