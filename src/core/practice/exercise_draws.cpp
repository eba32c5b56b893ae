#include "core/practice/exercise_draws.h"

#include <array>
#include <cstdint>
#include <numeric>
#include <utility>

#include "core/numbers/decimals.h"

namespace {

using Integer = std::int64_t;
using Numbers = std::vector<Rational>;
using enum PracticeLevel;

// The decimals teachers put into exercises: tenths, fifths, quarters and halves.
constexpr std::array<std::pair<Integer, Integer>, 11> teachersDecimals{
    {{1, 10}, {1, 5}, {1, 4}, {2, 5}, {1, 2}, {3, 4}, {6, 5}, {5, 4}, {3, 2}, {5, 2}, {12, 5}}};

// Every number is drawn in a statement of its own: the order in which the arguments of one call
// are evaluated is the compiler's choice, and the desktop and the page must draw alike.
class Draw {
public:
    explicit Draw(RandomNumbers& random) : m_random(random) {}

    Integer between(Integer low, Integer high) { return m_random.between(low, high); }
    // From 1 to largest in size, of either sign.
    Integer nonZero(Integer largest) {
        const Integer size = between(1, largest);
        return chance(1, 2) ? -size : size;
    }
    bool chance(int times, int outOf) {
        return m_random.below(std::uint64_t(outOf)) < std::uint64_t(times);
    }
    template <typename T, std::size_t size> T pick(const std::array<T, size>& items) {
        return items[m_random.below(size)];
    }
    // One of the teachers' decimals, of either sign.
    Rational decimal() {
        const auto [numerator, denominator] = pick(teachersDecimals);
        const Integer sign = chance(1, 2) ? -1 : 1;
        return Rational::of(sign * numerator, denominator);
    }
    // A number of tenths from -largest to largest.
    Rational tenths(Integer largest) {
        const Integer count = between(-largest, largest);
        return Rational::of(count, 10);
    }
    // x^2's coefficient: mostly 1 with whole numbers, now and then another; a decimal at the
    // level of decimals.
    Rational leading(PracticeLevel level) {
        if (level == FractionsAndDecimals)
            return decimal();
        if (level == SmallIntegers)
            return pick(std::array<Integer, 8>{1, 1, 1, 1, -1, 2, -2, 3});
        return pick(std::array<Integer, 10>{1, 1, 1, 2, 3, 4, 5, -1, -2, -3});
    }

private:
    RandomNumbers& m_random;
};

// The numbers divided by their greatest common factor, so that no factor is left for the pupil
// to take out first.
std::vector<Integer> withoutCommonFactor(std::vector<Integer> numbers) {
    Integer factor = 0;
    for (Integer n : numbers)
        factor = std::gcd(factor, n);
    if (factor > 1)
        for (Integer& n : numbers)
            n /= factor;
    return numbers;
}

Numbers rationals(const std::vector<Integer>& numbers) {
    return Numbers(numbers.begin(), numbers.end());
}

// b*x + c = 0 from its root.
Numbers firstDegree(Draw& draw, PracticeLevel level) {
    if (level == FractionsAndDecimals) {
        // q/p as the root, times a decimal: 1.5x - 1 = 0 for 2/3.
        const Integer p = draw.between(2, 6);
        const Integer q = draw.nonZero(3 * p);
        const Rational times = draw.decimal();
        return {0, times * p, -(times * q)};
    }
    const Integer b = draw.nonZero(level == SmallIntegers ? 9 : 40);
    const Integer root = draw.nonZero(level == SmallIntegers ? 10 : 25);
    return {0, b, -b * root};
}

// a(x - r1)(x - r2) with two different whole roots.
Numbers wholeRoots(Draw& draw, PracticeLevel level) {
    const Rational a = draw.leading(level);
    const Integer size = level == LargerNumbers ? 30 : 8;
    const Integer r1 = draw.between(-size, size);
    Integer r2 = draw.between(-size, size - 1);
    if (r2 >= r1)
        ++r2;
    return {a, -(a * (r1 + r2)), a * (r1 * r2)};
}

// (p1*x - q1)(p2*x - q2): roots q1/p1 and q2/p2.
Numbers fractionRoots(Draw& draw, PracticeLevel level) {
    const Integer most = level == LargerNumbers ? 12 : 4;
    const Integer largest = level == LargerNumbers ? 30 : 6;
    const Integer p1 = draw.between(1, most);
    const Integer q1 = draw.between(-largest, largest);
    const Integer p2 = draw.between(2, most);
    const Integer q2 = draw.nonZero(largest);
    const Integer sign = draw.chance(1, 4) ? -1 : 1;
    const Numbers k = rationals(
        withoutCommonFactor({sign * p1 * p2, -sign * (p1 * q2 + p2 * q1), sign * q1 * q2}));
    if (level != FractionsAndDecimals)
        return k;
    const Rational times = draw.decimal();
    return {times * k[0], times * k[1], times * k[2]};
}

// Coefficients of the level's size, the check keeping those whose roots have a square root.
Numbers surdRoots(Draw& draw, PracticeLevel level) {
    if (level == FractionsAndDecimals) {
        const Rational a = draw.decimal();
        const Rational b = draw.tenths(40);
        const Rational c = draw.tenths(40);
        return {a, b, c};
    }
    const Rational a = draw.leading(level);
    const Integer b = level == SmallIntegers ? draw.between(-10, 10) : draw.between(-200, 200);
    const Integer c = level == SmallIntegers ? draw.between(-10, 10) : draw.between(-300, 300);
    return rationals(withoutCommonFactor({Integer(a.num), b, c}));
}

// a(x - r)^2, or (p*x - q)^2 for a root that is a fraction.
Numbers doubleRoot(Draw& draw, PracticeLevel level) {
    if (level == FractionsAndDecimals) {
        const Rational a = draw.decimal();
        const Integer numerator = draw.nonZero(16);
        const Integer denominator = draw.pick(std::array<Integer, 3>{1, 2, 4});
        const Rational r = Rational::of(numerator, denominator);
        return {a, -(a * r * 2), a * r * r};
    }
    if (draw.chance(1, 4)) {
        const Integer p = draw.between(2, level == SmallIntegers ? 3 : 9);
        const Integer q = draw.nonZero(level == SmallIntegers ? 5 : 20);
        const Integer sign = draw.chance(1, 4) ? -1 : 1;
        return rationals(withoutCommonFactor({sign * p * p, -sign * 2 * p * q, sign * q * q}));
    }
    const Rational a = draw.leading(level);
    const Integer r = draw.nonZero(level == SmallIntegers ? 7 : 30);
    return {a, -(a * (2 * r)), a * (r * r)};
}

// Coefficients of the level's size with c of a's sign, the check keeping those with D < 0.
Numbers complexRoots(Draw& draw, PracticeLevel level) {
    const Rational a = draw.leading(level);
    if (level == FractionsAndDecimals) {
        const Rational b = draw.tenths(40);
        const Integer c = draw.between(1, 60);
        return {a, b, Rational::of(a.sign() * c, 10)};
    }
    const Integer b = level == SmallIntegers ? draw.between(-8, 8) : draw.between(-150, 150);
    const Integer c = level == SmallIntegers ? draw.between(1, 20) : draw.between(1, 400);
    return rationals(withoutCommonFactor({Integer(a.num), b, a.sign() * c}));
}

// One equation a*x + b*y = c through the solution (x, y), without a common factor where whole.
Numbers equationThrough(Draw& draw, PracticeLevel level, const Rational& x, const Rational& y) {
    if (level == FractionsAndDecimals) {
        const Rational a = draw.chance(1, 2) ? draw.decimal() : Rational(draw.nonZero(6));
        const Rational b = draw.chance(1, 2) ? draw.decimal() : Rational(draw.nonZero(6));
        return {a, b, a * x + b * y};
    }
    const Integer largest = level == SmallIntegers ? 6 : 25;
    const Integer a = draw.nonZero(largest);
    const Integer b = draw.nonZero(largest);
    const Rational c = a * x + b * y;
    return rationals(withoutCommonFactor({a, b, Integer(c.num)}));
}

Numbers oneSolution(Draw& draw, PracticeLevel level) {
    Rational x, y;
    if (level == FractionsAndDecimals) {
        const Integer denominator = draw.pick(std::array<Integer, 3>{2, 4, 5});
        const Integer xNumerator = draw.between(-12, 12);
        const Integer yNumerator = draw.between(-12, 12);
        x = Rational::of(xNumerator, denominator);
        y = Rational::of(yNumerator, denominator);
    } else {
        const Integer size = level == SmallIntegers ? 8 : 40;
        x = draw.between(-size, size);
        y = draw.between(-size, size);
    }
    Numbers k = equationThrough(draw, level, x, y);
    const Numbers second = equationThrough(draw, level, x, y);
    k.insert(k.end(), second.begin(), second.end());
    return k;
}

// The second equation's left side a multiple of the first's: parallel lines, or one line
// twice where the right sides are the same multiple.
Numbers multiples(Draw& draw, PracticeLevel level, bool sameLine) {
    const Integer largest = level == LargerNumbers ? 20 : 5;
    const Integer rightLargest = level == LargerNumbers ? 300 : 10;
    const Integer p = draw.nonZero(largest);
    const Integer q = draw.nonZero(largest);
    const Integer r1 = draw.between(-rightLargest, rightLargest);
    const std::vector<Integer> line = withoutCommonFactor({p, q, sameLine ? r1 : 0});
    Rational m1, m2;
    if (level == FractionsAndDecimals) {
        m1 = draw.decimal();
        m2 = draw.pick(std::array<Integer, 6>{1, 2, 3, -1, -2, 4});
    } else {
        m1 = draw.pick(std::array<Integer, 5>{1, 1, 2, 3, -1});
        m2 = draw.pick(std::array<Integer, 6>{2, 3, 4, -2, -1, 5});
        if (level == LargerNumbers && draw.chance(1, 2))
            m2 = m2 * 10;
    }
    // One equation written twice is no exercise.
    if (sameLine && m1 == m2)
        m2 = -m2;
    Rational c1 = m1 * line[2], c2 = m2 * line[2];
    if (!sameLine) {
        c1 = level == FractionsAndDecimals ? draw.tenths(40) : Rational(r1);
        const Integer r2 = draw.between(-rightLargest, rightLargest);
        c2 = level == FractionsAndDecimals ? Rational::of(r2, 10) : Rational(r2);
    }
    return {m1 * line[0], m1 * line[1], c1, m2 * line[0], m2 * line[1], c2};
}

bool isWhole(const Rational& k) {
    return k.den == 1;
}

bool within(const Rational& k, Integer largest) {
    return !(Rational(largest) < k) && !(k < Rational(-largest));
}

// Whether the coefficients are of the level: small whole numbers, larger whole numbers, or at
// least one decimal of up to two places.
bool fitsLevel(const Numbers& k, PracticeLevel level) {
    bool allWhole = true, allSmall = true, allWithin = true;
    for (const Rational& n : k) {
        allWhole = allWhole && isWhole(n);
        allSmall = allSmall && within(n, 12);
        allWithin =
            allWithin && within(n, level == LargerNumbers ? 999 : 60) && isWhole(n * Rational(100));
    }
    if (!allWithin)
        return false;
    if (level == FractionsAndDecimals)
        return !allWhole;
    return allWhole && (level == SmallIntegers || !allSmall);
}

std::optional<Exercise> exerciseOf(PracticeKind kind, PracticeLevel level, const Numbers& k) {
    Exercise exercise{kind, level, k, {}, kind == PracticeKind::SurdRoots ? 2 : 0};
    for (const Rational& n : k) {
        std::optional<std::string> text = terminatingDecimal(n);
        if (!text)
            return std::nullopt;
        exercise.texts.push_back(std::move(*text));
    }
    return exercise;
}

} // namespace

std::optional<Exercise> drawExercise(PracticeKind kind, PracticeLevel level,
                                     RandomNumbers& random) {
    Draw draw(random);
    Numbers k;
    switch (kind) {
    case PracticeKind::FirstDegree:
        k = firstDegree(draw, level);
        break;
    case PracticeKind::IntegerRoots:
        k = wholeRoots(draw, level);
        break;
    case PracticeKind::FractionRoots:
        k = fractionRoots(draw, level);
        break;
    case PracticeKind::SurdRoots:
        k = surdRoots(draw, level);
        break;
    case PracticeKind::DoubleRoot:
        k = doubleRoot(draw, level);
        break;
    case PracticeKind::ComplexRoots:
        k = complexRoots(draw, level);
        break;
    case PracticeKind::OneSolution:
        k = oneSolution(draw, level);
        break;
    case PracticeKind::NoSolution:
        k = multiples(draw, level, false);
        break;
    case PracticeKind::InfinitelyMany:
        k = multiples(draw, level, true);
        break;
    }
    if (!fitsLevel(k, level))
        return std::nullopt;
    return exerciseOf(kind, level, k);
}

Exercise stockExercise(PracticeKind kind, PracticeLevel level, int index) {
    // Whole numbers throughout, the same in a Single; m grows with the index.
    const Integer m = (level == LargerNumbers ? 11 : 1) + index;
    std::vector<Integer> k;
    switch (kind) {
    case PracticeKind::FirstDegree:
        k = {0, 1, -m};
        break;
    case PracticeKind::IntegerRoots: // m and -1
        k = {1, 1 - m, -m};
        break;
    case PracticeKind::FractionRoots: // 1/2 and m
        k = {2, -(2 * m + 1), m};
        break;
    case PracticeKind::SurdRoots: // m ± √2
        k = {1, -2 * m, m * m - 2};
        break;
    case PracticeKind::DoubleRoot:
        k = {1, -2 * m, m * m};
        break;
    case PracticeKind::ComplexRoots: // m ± i
        k = {1, -2 * m, m * m + 1};
        break;
    case PracticeKind::OneSolution: // x = m + 1, y = m
        k = {1, 1, 2 * m + 1, 1, -1, 1};
        break;
    case PracticeKind::NoSolution:
        k = {1, 1, m, 2, 2, 2 * m + 1};
        break;
    case PracticeKind::InfinitelyMany:
        k = {1, 2, m, 2, 4, 2 * m};
        break;
    }
    Numbers numbers = rationals(k);
    // Halves at the level of decimals, still exact in a Single: the first equation halved.
    if (level == FractionsAndDecimals)
        for (std::size_t index = 0; index < 3; ++index)
            numbers[index] = numbers[index] * Rational::of(1, 2);
    return *exerciseOf(kind, level, numbers);
}
