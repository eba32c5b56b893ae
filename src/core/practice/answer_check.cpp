#include "core/practice/answer_check.h"

#include <algorithm>

#include "core/practice/mistakes.h"
#include "core/solving/form_commands.h"
#include "core/typing/answer_reading.h"
#include "core/working/exact_values.h"
#include "core/working/notation.h"
#include "core/working/working_parts.h"

namespace {

using Verdict = AnswerCheck::Verdict;
using Claim = ReadAnswer::Claim;

// How a number of the answer meets a root: the same number, a decimal right to the places
// asked for, a decimal near it but not the exact number asked for, or another number.
enum class Meeting { Exact, Rounded, Close, Apart };

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

// A root as the key writes it: halves and thirds as fractions, tenths as decimals.
std::string rootText(const Surd& root, const Notation& n) {
    if (const std::optional<Rational> rational = rationalValue(root))
        return n.fraction(*rational);
    return n.surd(root);
}

// A number of the answer, a decimal where the pupil wrote one.
std::string shown(const AnswerNumber& number, const Notation& n) {
    if (number.hasParameter())
        return n.sum({{number.u, ""}, {number.t, "t"}});
    if (number.isRational() && number.decimal)
        return n.number(number.u);
    return rootText(number.surd(), n);
}

AnswerCheck unreadable(std::string message) {
    return {Verdict::Unreadable, std::move(message), std::nullopt, -1};
}

// How to write exactly what a decimal only comes near.
std::string writeExactly(const std::vector<std::string>& close, bool withRoot) {
    return Notation::joinWithAnd(close) + (close.size() == 1 ? " is" : " are") +
           " close, but not exact: write the " +
           (withRoot ? "root exactly, with √" : "number exactly, as a fraction") + ".";
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

// The verdict with the mistake that gives the numbers, where a common one does.
AnswerCheck withMistake(const Exercise& exercise, Verdict verdict, std::string message,
                        const std::vector<AnswerNumber>& given, bool inOrder,
                        const NumberLocale& locale, WorkingMethod method) {
    AnswerCheck check{verdict, std::move(message), std::nullopt, -1};
    check.mistake = mistakeGiving(exercise, given, inOrder);
    if (check.mistake) {
        check.message += " " + mistakeHint(*check.mistake, exercise, Notation(locale));
        check.step =
            mistakeStep(makeWorking(solveTexts(exercise.texts, NumberLocale{}), locale, method),
                        *check.mistake);
    }
    return check;
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

AnswerCheck checkEquation(const Exercise& exercise, const ReadAnswer& answer,
                          const NumberLocale& locale, WorkingMethod method) {
    const Notation n(locale);
    const std::vector<Surd> roots = rootsOf(exercise);
    const bool complex = roots.front().r < 0;
    const bool firstDegree = exercise.coefficients[0].sign() == 0;
    if (answer.claim == Claim::NoSolution || answer.claim == Claim::NoRealSolution) {
        if (complex)
            return {Verdict::PartlyRight,
                    "Right, there is no real root. In the complex numbers there are two: write "
                    "them as well, like 1 ± 2i.",
                    std::nullopt, -1};
        return {Verdict::Wrong,
                firstDegree ? "This equation has a root: look again."
                            : "This equation has real roots: look again at D.",
                std::nullopt, -1};
    }
    if (answer.claim == Claim::InfinitelyMany)
        return {Verdict::Wrong,
                firstDegree ? "This equation has one root, not infinitely many."
                            : "An equation of the second degree has two roots at most.",
                std::nullopt, -1};
    if (answer.parameter != 0)
        return unreadable(std::string("The roots are numbers: \"") + answer.parameter +
                          "\" cannot stand in them.");

    std::vector<bool> covered(roots.size(), false);
    bool rounded = false;
    std::vector<std::string> wrong, close;
    std::vector<AnswerNumber> exactGiven;
    std::vector<Surd> closeRoots;
    for (const AnswerItem& item : answer.items) {
        for (const AnswerNumber& number : item.values) {
            Meeting best = Meeting::Apart;
            std::size_t nearest = 0;
            for (std::size_t r = 0; r < roots.size(); ++r) {
                const Meeting each = meeting(number, roots[r], exercise.decimalPlaces);
                if (each < best)
                    best = each, nearest = r;
            }
            if (best == Meeting::Exact || best == Meeting::Rounded) {
                covered[nearest] = true;
                rounded = rounded || best == Meeting::Rounded;
            } else if (best == Meeting::Close) {
                close.push_back(shown(number, n));
                closeRoots.push_back(roots[nearest]);
            } else {
                wrong.push_back(shown(number, n));
            }
            if (!item.approximate)
                exactGiven.push_back(number);
        }
    }
    // A decimal beside the exact root it comes near is the pupil's own approximation.
    std::vector<std::string> closeAlone;
    for (std::size_t i = 0; i < close.size(); ++i) {
        for (std::size_t r = 0; r < roots.size(); ++r) {
            if (sameNumber(roots[r], closeRoots[i]) && !covered[r])
                closeAlone.push_back(close[i]);
        }
    }
    const auto coveredCount = std::count(covered.begin(), covered.end(), true);
    const bool withRoot = !roots.front().rational() && !complex;
    if (coveredCount == std::ptrdiff_t(roots.size()) && wrong.empty()) {
        if (rounded)
            return {Verdict::Right,
                    "Right, to " + std::to_string(exercise.decimalPlaces) + " decimal places.",
                    std::nullopt, -1};
        return {Verdict::Right, "Right.", std::nullopt, -1};
    }
    const auto are = [](const std::vector<std::string>& items, const char* one, const char* many) {
        return Notation::joinWithAnd(items) + (items.size() == 1 ? one : many);
    };
    if (coveredCount > 0) {
        std::vector<std::string> right;
        for (std::size_t r = 0; r < roots.size(); ++r) {
            if (covered[r])
                right.push_back(rootText(roots[r], n));
        }
        std::string message = are(right, " is a root", " are roots");
        if (!closeAlone.empty() && wrong.empty())
            return {Verdict::PartlyRight, message + ". " + writeExactly(closeAlone, withRoot),
                    std::nullopt, -1};
        if (wrong.empty())
            return {Verdict::PartlyRight, message + "; the equation has a second root as well.",
                    std::nullopt, -1};
        // A mistake may give one right root among wrong ones: 3 ± 1 for (3 ± 1)/2.
        return withMistake(exercise, Verdict::PartlyRight,
                           message + ", but " + are(wrong, " is not.", " are not."), exactGiven,
                           false, locale, method);
    }
    if (wrong.empty() && !closeAlone.empty())
        return {Verdict::Wrong, writeExactly(closeAlone, withRoot), std::nullopt, -1};
    std::string message = are(wrong, " is not a root.", " are not roots.");
    if (!closeAlone.empty())
        message += " " + writeExactly(closeAlone, withRoot);
    return withMistake(exercise, Verdict::Wrong, message, exactGiven, false, locale, method);
}

// The numbers of a system's answer as x and y: by their names, else in their order.
struct Pair {
    std::optional<AnswerNumber> x, y;
    bool readable = true;
};

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

AnswerCheck checkLine(const SystemFacts& facts, const ReadAnswer& answer, const Notation& n) {
    const char example[] = "x = t, y = ... with t for any number";
    if (answer.claim != Claim::InfinitelyMany && answer.parameter == 0) {
        if (answer.claim != Claim::Numbers)
            return {Verdict::Wrong, "Not right: the two equations have solutions in common.",
                    std::nullopt, -1};
        return {Verdict::Wrong,
                "There are infinitely many solutions: write them all, as " + std::string(example) +
                    ".",
                std::nullopt, -1};
    }
    if (facts.kind == SystemFacts::Kind::Every)
        return {Verdict::Right, "Right.", std::nullopt, -1};
    if (answer.items.empty())
        return {Verdict::PartlyRight,
                "Right, there are infinitely many solutions. Write them as well, as " +
                    std::string(example) + ".",
                std::nullopt, -1};
    Pair pair = pairOf(answer);
    if (!pair.x && answer.parameter == 'x')
        pair.x = AnswerNumber::parameter();
    if (!pair.y && answer.parameter == 'y')
        pair.y = AnswerNumber::parameter();
    if (!pair.readable || !pair.x || !pair.y)
        return unreadable("Write the solutions as " + std::string(example) + ".");
    if (describesTheLine(facts, *pair.x, *pair.y))
        return {Verdict::Right, "Right.", std::nullopt, -1};
    return {Verdict::PartlyRight,
            "Right, there are infinitely many solutions, but x = " + shown(*pair.x, n) +
                ", y = " + shown(*pair.y, n) + " does not solve both equations.",
            std::nullopt, -1};
}

AnswerCheck checkSystem(const Exercise& exercise, const ReadAnswer& answer,
                        const NumberLocale& locale, WorkingMethod method) {
    const Notation n(locale);
    ExactCoefficients coefficients;
    std::copy(exercise.coefficients.begin(), exercise.coefficients.end(), coefficients.k.begin());
    const SystemFacts facts = systemFacts(coefficients);
    if (facts.kind == SystemFacts::Kind::Line || facts.kind == SystemFacts::Kind::Every)
        return checkLine(facts, answer, n);
    if (facts.kind == SystemFacts::Kind::None) {
        if (answer.claim == Claim::NoSolution || answer.claim == Claim::NoRealSolution)
            return {Verdict::Right, "Right.", std::nullopt, -1};
        if (answer.claim == Claim::InfinitelyMany)
            return {Verdict::Wrong, "Not right: look again at the two equations' lines.",
                    std::nullopt, -1};
        return {Verdict::Wrong, "Not right: these numbers do not solve both equations.",
                std::nullopt, -1};
    }
    if (answer.claim != Claim::Numbers)
        return {Verdict::Wrong, "Not right: this system has one solution.", std::nullopt, -1};
    if (answer.parameter != 0)
        return unreadable(std::string("x and y are numbers here: \"") + answer.parameter +
                          "\" cannot stand in them.");
    const Pair pair = pairOf(answer);
    if (!pair.readable)
        return unreadable("Write the solution as x = 1, y = 2, with your numbers.");
    const Surd x = asSurd(facts.x), y = asSurd(facts.y);
    const Meeting xMeets = pair.x ? meeting(*pair.x, x, exercise.decimalPlaces) : Meeting::Apart;
    const Meeting yMeets = pair.y ? meeting(*pair.y, y, exercise.decimalPlaces) : Meeting::Apart;
    const auto right = [](Meeting m) { return m == Meeting::Exact || m == Meeting::Rounded; };
    const std::string xText = pair.x ? "x = " + shown(*pair.x, n) : "";
    const std::string yText = pair.y ? "y = " + shown(*pair.y, n) : "";
    if (right(xMeets) && right(yMeets))
        return {Verdict::Right, "Right.", std::nullopt, -1};
    if (right(xMeets) || right(yMeets)) {
        const std::string& good = right(xMeets) ? xText : yText;
        const std::string& bad = right(xMeets) ? yText : xText;
        return {Verdict::PartlyRight,
                good + " is right" +
                    (bad.empty()
                         ? "; now find " + std::string(right(xMeets) ? "y" : "x") + " as well."
                         : ", but " + bad + " is not."),
                std::nullopt, -1};
    }
    std::vector<std::string> close;
    if (xMeets == Meeting::Close)
        close.push_back(xText);
    if (yMeets == Meeting::Close)
        close.push_back(yText);
    if (!close.empty())
        return {Verdict::Wrong, writeExactly(close, false), std::nullopt, -1};
    std::vector<AnswerNumber> given;
    if (pair.x && pair.y)
        given = {*pair.x, *pair.y};
    std::vector<std::string> texts;
    for (const std::string& text : {xText, yText}) {
        if (!text.empty())
            texts.push_back(text);
    }
    return withMistake(exercise, Verdict::Wrong,
                       "Not right: " + n.list(texts) + " does not solve both equations.", given,
                       true, locale, method);
}

} // namespace

AnswerCheck checkAnswer(const Exercise& exercise, std::string_view answer,
                        const NumberLocale& locale, WorkingMethod method) {
    const std::vector<Rational>& k = exercise.coefficients;
    if (k.size() != (isSystem(exercise.kind) ? 6u : 3u) ||
        (!isSystem(exercise.kind) && k[0].sign() == 0 && k[1].sign() == 0))
        return {AnswerCheck::Verdict::Wrong, "This exercise has no unknown to find.", std::nullopt,
                -1};
    const ReadAnswer read = readAnswer(answer, locale);
    if (!read.problem.empty())
        return unreadable(read.problem);
    if (isSystem(exercise.kind))
        return checkSystem(exercise, read, locale, method);
    return checkEquation(exercise, read, locale, method);
}
