#include "core/practice/answer_comparison.h"

#include <algorithm>

#include "core/practice/mistakes.h"
#include "core/working/exact_values.h"

namespace {

// The places of a terminating decimal; -1 where it does not terminate.
int placesOf(const Rational& value) {
    Rational scaled = value;
    for (int places = 0; places < 40; ++places, scaled = scaled * Rational(10)) {
        if (scaled.den == 1)
            return places;
    }
    return -1;
}

Rational unitOf(int places) {
    return Rational::of(1, powerOfTen(places));
}

// Whether the real root is nearer to the value than the distance.
bool within(const Surd& root, const Rational& value, const Rational& distance) {
    return compareReal(root, value - distance) > 0 && compareReal(root, value + distance) < 0;
}

} // namespace

Meeting meeting(const AnswerNumber& number, const Surd& root, int decimalPlaces) {
    if (number.hasParameter())
        return Meeting::Apart;
    if (sameNumber(number.surd(), root))
        return Meeting::Exact;
    const int places = number.isRational() && root.r >= 0 ? placesOf(number.u) : -1;
    if (places < 0)
        return Meeting::Apart;
    // Correctly rounded to the places asked for, or to more places where more are written.
    if (decimalPlaces > 0 &&
        within(root, number.u, unitOf(std::max(places, decimalPlaces)) / Rational(2)))
        return Meeting::Rounded;
    if (number.decimal && places > 0 && within(root, number.u, unitOf(places)))
        return Meeting::Close;
    return Meeting::Apart;
}

std::vector<Surd> rootsOf(const Exercise& exercise) {
    const std::vector<Rational>& k = exercise.coefficients;
    if (k[0].sign() == 0)
        return {Surd::of(-k[2] / k[1], 0, 0)};
    const ExactRoots roots = exactRoots(k[0], k[1], k[2]);
    if (sameNumber(roots.first, roots.second))
        return {roots.first};
    return {roots.first, roots.second};
}

RootComparison compareRoots(const ReadAnswer& answer, const std::vector<Surd>& roots,
                            int decimalPlaces) {
    RootComparison compared;
    compared.covered.assign(roots.size(), false);
    std::vector<AnswerNumber> close;
    std::vector<Surd> closeRoots;
    for (const AnswerItem& item : answer.items) {
        for (const AnswerNumber& number : item.values) {
            Meeting best = Meeting::Apart;
            std::size_t nearest = 0;
            for (std::size_t r = 0; r < roots.size(); ++r) {
                const Meeting each = meeting(number, roots[r], decimalPlaces);
                if (each < best)
                    best = each, nearest = r;
            }
            if (best == Meeting::Exact || best == Meeting::Rounded) {
                compared.covered[nearest] = true;
                compared.rounded = compared.rounded || best == Meeting::Rounded;
            } else if (best == Meeting::Close) {
                close.push_back(number);
                closeRoots.push_back(roots[nearest]);
            } else {
                compared.wrong.push_back(number);
            }
            if (!item.approximate)
                compared.exactGiven.push_back(number);
        }
    }
    // A decimal beside the exact root it comes near is the pupil's own approximation.
    for (std::size_t i = 0; i < close.size(); ++i) {
        for (std::size_t r = 0; r < roots.size(); ++r) {
            if (sameNumber(roots[r], closeRoots[i]) && !compared.covered[r])
                compared.closeAlone.push_back(close[i]);
        }
    }
    return compared;
}

Pair pairOf(const ReadAnswer& answer) {
    Pair pair;
    std::vector<AnswerNumber> unnamed;
    for (const AnswerItem& item : answer.items) {
        if (item.approximate)
            continue;
        if (item.values.size() != 1 || (item.name != "" && item.name != "x" && item.name != "y"))
            pair.readable = false;
        else if (item.name == "x" && !pair.x)
            pair.x = item.values[0];
        else if (item.name == "y" && !pair.y)
            pair.y = item.values[0];
        else if (item.name.empty())
            unnamed.push_back(item.values[0]);
        else
            pair.readable = false;
    }
    for (const AnswerNumber& number : unnamed) {
        if (!pair.x)
            pair.x = number;
        else if (!pair.y)
            pair.y = number;
        else
            pair.readable = false;
    }
    return pair;
}

// Whether x and y, with the parameter in them, are every solution of a system whose equations
// are the same line.
bool describesTheLine(const SystemFacts& facts, AnswerNumber x, AnswerNumber y) {
    if (x.v.sign() != 0 || y.v.sign() != 0 || (!x.hasParameter() && !y.hasParameter()))
        return false;
    for (int row = 0; row < 6; row += 3) {
        const Rational &p = facts.k[row], &q = facts.k[row + 1], &r = facts.k[row + 2];
        if (!(p * x.u + q * y.u == r) || (p * x.t + q * y.t).sign() != 0)
            return false;
    }
    return true;
}

// The exercise's mistakes that give these numbers, the first that does.
std::optional<Mistake> mistakeGiving(const Exercise& exercise,
                                     const std::vector<AnswerNumber>& given, bool inOrder) {
    for (const MistakenAnswer& mistaken : mistakenAnswers(exercise)) {
        const auto madeBy = [&](std::size_t i) {
            if (given[i].hasParameter())
                return false;
            if (inOrder)
                return i < mistaken.values.size() &&
                       sameNumber(given[i].surd(), mistaken.values[i]);
            return std::any_of(
                mistaken.values.begin(), mistaken.values.end(),
                [&](const Surd& value) { return sameNumber(given[i].surd(), value); });
        };
        bool all = !given.empty();
        for (std::size_t i = 0; i < given.size(); ++i)
            all = all && madeBy(i);
        if (all)
            return mistaken.mistake;
    }
    return std::nullopt;
}
