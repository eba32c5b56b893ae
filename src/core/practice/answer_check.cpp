#include "core/practice/answer_check.h"

#include <algorithm>

#include "core/practice/answer_comparison.h"
#include "core/practice/mistakes.h"
#include "core/solving/form_commands.h"
#include "core/typing/answer_reading.h"
#include "core/working/exact_values.h"
#include "core/working/notation.h"
#include "core/working/working_parts.h"

namespace {

using Verdict = AnswerCheck::Verdict;
using Claim = ReadAnswer::Claim;

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

    const RootComparison compared = compareRoots(answer, roots, exercise.decimalPlaces);
    const std::vector<bool>& covered = compared.covered;
    const bool rounded = compared.rounded;
    const std::vector<AnswerNumber>& exactGiven = compared.exactGiven;
    std::vector<std::string> wrong, closeAlone;
    for (const AnswerNumber& number : compared.wrong)
        wrong.push_back(shown(number, n));
    for (const AnswerNumber& number : compared.closeAlone)
        closeAlone.push_back(shown(number, n));
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
    if (!read.problem.empty()) {
        AnswerCheck check = unreadable(read.problem);
        check.place = read.place;
        check.length = read.length;
        return check;
    }
    if (isSystem(exercise.kind))
        return checkSystem(exercise, read, locale, method);
    return checkEquation(exercise, read, locale, method);
}
