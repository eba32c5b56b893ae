#include "core/practice/mistakes.h"

namespace {

using Step = WorkingLine::Step;

// u + v·√D for a rational D.
Surd plusRoot(const Rational& u, const Rational& v, const Rational& D) {
    // √(p/q) = √(p·q)/q
    return Surd::of(u, v / Rational::of(D.den, 1), D.num * D.den);
}

std::vector<Surd> both(const ExactRoots& roots) {
    return {roots.first, roots.second};
}

} // namespace

std::vector<MistakenAnswer> mistakenAnswers(const Exercise& exercise) {
    const std::vector<Rational>& k = exercise.coefficients;
    if (isSystem(exercise.kind)) {
        const Rational D = k[0] * k[4] - k[3] * k[1];
        if (D.sign() == 0)
            return {};
        const Rational D1 = k[2] * k[4] - k[5] * k[1], D2 = k[0] * k[5] - k[3] * k[2];
        return {{Mistake::SwappedDeterminants, {Surd::of(D2 / D, 0, 0), Surd::of(D1 / D, 0, 0)}}};
    }
    const Rational &a = k[0], &b = k[1], &c = k[2];
    if (a.sign() == 0) {
        if (b.sign() == 0)
            return {};
        return {{Mistake::SignLostMoving, {Surd::of(c / b, 0, 0)}}};
    }
    const Rational D = b * b - Rational(4) * a * c;
    const Rational twoA = a + a;
    return {
        {Mistake::SignOfB, both(exactRoots(a, -b, c))},
        {Mistake::DiscriminantPlus4ac, both(exactRoots(a, b, -c))},
        {Mistake::NotDividedBy2a, {plusRoot(-b, 1, D), plusRoot(-b, -1, D)}},
        {Mistake::OneTermDivided,
         {plusRoot(-b, Rational(1) / twoA, D), plusRoot(-b, Rational(-1) / twoA, D)}},
        {Mistake::OneTermDivided, {plusRoot(-b / twoA, 1, D), plusRoot(-b / twoA, -1, D)}},
    };
}

namespace {

// Each method writes only some of these lines; the first the working has is the step.
std::vector<Step> stepsOf(Mistake mistake) {
    switch (mistake) {
    case Mistake::SignOfB:
        return {Step::SumProduct, Step::HalveB, Step::RootFormula};
    case Mistake::DiscriminantPlus4ac:
        return {Step::SumProduct, Step::MoveTerm, Step::Discriminant};
    case Mistake::NotDividedBy2a:
    case Mistake::OneTermDivided:
        return {Step::SumProduct, Step::TakeRoot, Step::RootFormula};
    case Mistake::SignLostMoving:
        return {Step::MoveTerm};
    case Mistake::SwappedDeterminants:
        return {Step::Determinants, Step::Eliminate, Step::Substitute};
    }
    return {};
}

} // namespace

int mistakeStep(const Working& working, Mistake mistake) {
    for (const Step step : stepsOf(mistake)) {
        for (std::size_t line = 0; line < working.lines.size(); ++line) {
            if (working.lines[line].step == step)
                return int(line);
        }
    }
    return -1;
}

std::string mistakeHint(Mistake mistake, const Exercise& exercise, const Notation& n) {
    const std::vector<Rational>& k = exercise.coefficients;
    switch (mistake) {
    case Mistake::SignOfB:
        return "Look again at the signs: b = " + n.number(k[1]) + ", so -b = " + n.number(-k[1]) +
               ".";
    case Mistake::DiscriminantPlus4ac:
        return "Look again at D: it is b² - 4ac, with a minus, which is " +
               n.number(k[1] * k[1] - Rational(4) * k[0] * k[2]) + " here.";
    case Mistake::NotDividedBy2a:
        return "Remember to divide -b ± √D by 2a = " + n.number(k[0] + k[0]) + ".";
    case Mistake::OneTermDivided:
        return "Divide the whole of -b ± √D by 2a, not only one of its terms.";
    case Mistake::SignLostMoving:
        return "A term that moves to the other side of \"=\" changes its sign.";
    case Mistake::SwappedDeterminants:
        return "They are the right numbers, but x and y are swapped.";
    }
    return "";
}
