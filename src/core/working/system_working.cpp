#include "core/working/exact_values.h"
#include "core/working/formula.h"
#include "core/working/working_parts.h"

// A system worked as a pupil is taught: by Cramer's rule with its determinants, by eliminating
// an unknown or by substituting one; each ends with the solution put into both equations.

namespace {

using Kind = WorkingLine::Kind;
using Step = WorkingLine::Step;

// The equations' coefficients: p·x + q·y = r.
struct Row {
    Rational p, q, r;
};

Row first(const SystemFacts& f) {
    return {f.k[0], f.k[1], f.k[2]};
}
Row second(const SystemFacts& f) {
    return {f.k[3], f.k[4], f.k[5]};
}

std::string equation(const Row& row, const Notation& n) {
    return n.side({{row.p, "x"}, {row.q, "y"}}) + " = " + n.number(row.r);
}

Formula named(const std::string& name, const Rational& value) {
    return math::name(name, asSurd(value));
}

// "D = |3 1; 1 -1| = 3·(-1) - 1·1 = -4": a determinant as a pupil reads it, row by row.
Formula determinant(const std::string& name, const Rational& a, const Rational& b,
                    const Rational& c, const Rational& d) {
    using namespace math;
    return equal({named(name, a * d - c * b),
                  math::determinant(number(a), number(b), number(c), number(d)),
                  sum({product({number(a), number(d)}), negated(product({number(c), number(b)}))}),
                  number(a * d - c * b)});
}

// "Check, first equation: 2·2.2 + 3·1.2 = 4.4 + 3.6 = 8", worked out term by term.
void check(const SystemFacts& f, const Notation& n, Writer& out) {
    using namespace math;
    const char* const names[] = {"first", "second"};
    const Row rows[] = {first(f), second(f)};
    for (int i = 0; i < 2; ++i) {
        const Row& row = rows[i];
        const Rational px = row.p * f.x, qy = row.q * f.y;
        out.add(Kind::Step,
                words({text(std::string("Check, ") + names[i] + " equation: "),
                       equal({sum({product({number(row.p), number(f.x)}),
                                   product({number(row.q), number(f.y)})}),
                              terms({px, qy}), number(px + qy)})}),
                n);
    }
}

void solution(const SystemFacts& f, const Notation& n, Writer& out) {
    using namespace math;
    out.add(Kind::Result,
            list({equal({named("x", f.x), result(asSurd(f.x))}),
                  equal({named("y", f.y), result(asSurd(f.y))})}),
            n);
    check(f, n, out);
}

// Where D = 0: no solution, or the points of a line, or every pair, with the reason.
// byDeterminants: the case is told by D, D1 and D2; else the caller has told it in its own terms.
void withoutOneSolution(const SystemFacts& f, const Notation& n, Writer& out,
                        bool byDeterminants = true) {
    const Row rows[] = {first(f), second(f)};
    for (const Row& row : rows) {
        if (row.p.sign() == 0 && row.q.sign() == 0 && row.r.sign() != 0) {
            out.add(Kind::Case, equation(row, n) + " reads 0 = " + n.number(row.r) +
                                    ", which is false for every x and y: no solution.");
            return;
        }
    }
    if (f.kind == SystemFacts::Kind::None) {
        if (!byDeterminants)
            return;
        const bool firstNotZero = f.D1.sign() != 0;
        out.add(Kind::Case, "D = 0 and " + std::string(firstNotZero ? "D1" : "D2") + " = " +
                                n.number(firstNotZero ? f.D1 : f.D2) +
                                " ≠ 0, so no solution: the lines are parallel.");
        return;
    }
    if (f.kind == SystemFacts::Kind::Every) {
        out.add(Kind::Case, "Both equations read 0 = 0, true for every x and y: every pair of "
                            "numbers is a solution.");
        return;
    }
    const bool firstVoid = rows[0].p.sign() == 0 && rows[0].q.sign() == 0;
    const bool secondVoid = rows[1].p.sign() == 0 && rows[1].q.sign() == 0;
    if (firstVoid || secondVoid)
        out.add(Kind::Case, std::string("The ") + (firstVoid ? "first" : "second") +
                                " equation reads 0 = 0, true for every x and y, so the solutions "
                                "are the points of the other's line: infinitely many.");
    else if (byDeterminants)
        out.add(Kind::Case, "D = D1 = D2 = 0: both equations describe the same line, so there "
                            "are infinitely many solutions.");
    const Row& row = firstVoid ? rows[1] : rows[0];
    // x = x0 + xt·t, y = y0 + yt·t
    const bool yByT = row.q.sign() != 0;
    const Rational x0 = yByT ? Rational(0) : row.r / row.p, xt = yByT ? Rational(1) : Rational(0);
    const Rational y0 = yByT ? row.r / row.q : Rational(0),
                   yt = yByT ? -row.p / row.q : Rational(1);
    const std::string x = n.sum({{x0, ""}, {xt, "t"}}), y = n.sum({{y0, ""}, {yt, "t"}});
    out.add(Kind::Result, n.list({"x = " + x, "y = " + y}) + " for any number t");
    const char* const names[] = {"first", "second"};
    for (int i = 0; i < 2; ++i) {
        const Row& each = rows[i];
        const Rational constant = each.p * x0 + each.q * y0, ofT = each.p * xt + each.q * yt;
        // A sum or a negative factor is bracketed: 0·(-0.4t), not 0·-0.4t.
        const auto bracketed = [](const std::string& sum) {
            return sum.find(' ') == std::string::npos && !sum.starts_with('-') ? sum
                                                                               : "(" + sum + ")";
        };
        out.add(Kind::Step,
                std::string("Check, ") + names[i] + " equation: " + n.put(each.p) + "·" +
                    bracketed(x) + " + " + n.put(each.q) + "·" + bracketed(y) + " = " +
                    n.sum({{constant, ""}, {ofT, "t"}}) +
                    (constant == each.r && ofT.sign() == 0 ? "" : " ≠ " + n.number(each.r)));
    }
}

void byCramer(const SystemFacts& f, const Notation& n, Writer& out) {
    using namespace math;
    const auto& k = f.k;
    out.add(Kind::Step, determinant("D", k[0], k[1], k[3], k[4]), n);
    out.add(Kind::Step, determinant("D1", k[2], k[1], k[5], k[4]), n);
    out.add(Kind::Step, determinant("D2", k[0], k[2], k[3], k[5]), n);
    if (f.kind != SystemFacts::Kind::One) {
        withoutOneSolution(f, n, out);
        return;
    }
    const Formula D = named("D", f.D);
    out.add(Kind::Case,
            words({chain(D, {{Formula::Relation::Equal, number(f.D)},
                             {Formula::Relation::NotEqual, number(0)}}),
                   text(", so there is one solution.")}),
            n);
    out.add(Kind::Step,
            equal({named("x", f.x), quotient(named("D1", f.D1), D),
                   quotient(number(f.D1), number(f.D)), fraction(f.x)}),
            n, Step::Determinants);
    out.add(Kind::Step,
            equal({named("y", f.y), quotient(named("D2", f.D2), D),
                   quotient(number(f.D2), number(f.D)), fraction(f.y)}),
            n);
    solution(f, n, out);
}

// "2x + 1 = 3, so 2x = 2, so x = 1": the other unknown from an equation once one is known.
void rest(const Row& row, const std::string& known, const Rational& value,
          const std::string& unknown, const Notation& n, Writer& out) {
    const bool xKnown = known == "x";
    const Rational& size = xKnown ? row.q : row.p;
    const Rational part = (xKnown ? row.p : row.q) * value;
    const Rational found = (row.r - part) / size;
    std::string text = "Put " + known + " = " + n.number(value) + " into " + equation(row, n) +
                       ": " + n.sum({{size, unknown}, {part, ""}}) + " = " + n.number(row.r);
    if (part.sign() != 0)
        text += ", so " + n.term(size, unknown) + " = " + n.number(row.r - part);
    if (!(size == Rational(1)))
        text += ", so " + unknown + " = " + n.number(found);
    out.add(Kind::Step, text);
}

// The least multipliers that give an unknown the same size in both equations: for the
// coefficients c1 and c2, c2/c1 = N/M in lowest terms gives the first times |N| and the second
// times M; a negative N leaves them opposite, to be added.
struct Multipliers {
    Rational first, second;
    bool add = false;
    Rational cost() const { return first + second; }
};
Multipliers multipliersFor(const Rational& c1, const Rational& c2) {
    const Rational ratio = c2 / c1;
    const bool negative = ratio.sign() < 0;
    return {Rational::of(negative ? BigInt(-ratio.num) : ratio.num, 1), Rational::of(ratio.den, 1),
            negative};
}

Row times(const Row& row, const Rational& k) {
    return {row.p * k, row.q * k, row.r * k};
}

void byElimination(const SystemFacts& f, const Notation& n, Writer& out) {
    using namespace math;
    const Row one = first(f), two = second(f);
    const bool oneVoid = one.p.sign() == 0 && one.q.sign() == 0;
    const bool twoVoid = two.p.sign() == 0 && two.q.sign() == 0;
    if (oneVoid || twoVoid) {
        withoutOneSolution(f, n, out);
        return;
    }
    // An equation without x gives y at once.
    if (f.kind == SystemFacts::Kind::One && (one.p.sign() == 0 || two.p.sign() == 0)) {
        const Row& withoutX = one.p.sign() == 0 ? one : two;
        out.add(
            Kind::Step,
            words({text(equation(withoutX, n) + " has no x, so "),
                   withoutX.q == Rational(1)
                       ? equal({named("y", f.y), fraction(f.y)})
                       : equal({named("y", f.y), quotient(number(withoutX.r), number(withoutX.q)),
                                fraction(f.y)})}),
            n, Step::Eliminate);
        rest(one.p.sign() != 0 ? one : two, "y", f.y, "x", n, out);
        solution(f, n, out);
        return;
    }
    // x is taken away where its multipliers are no larger than y's.
    const bool bothX = one.p.sign() != 0 && two.p.sign() != 0;
    const bool bothY = one.q.sign() != 0 && two.q.sign() != 0;
    const std::optional<Multipliers> forX =
        bothX ? std::optional(multipliersFor(one.p, two.p)) : std::nullopt;
    const std::optional<Multipliers> forY =
        bothY ? std::optional(multipliersFor(one.q, two.q)) : std::nullopt;
    const bool removeX = forX && (!forY || !(forY->cost() < forX->cost()));
    const Multipliers m = removeX ? *forX : *forY;
    const Row scaledOne = times(one, m.first), scaledTwo = times(two, m.second);
    if (!(m.first == Rational(1)))
        out.add(Kind::Step,
                "First equation times " + n.number(m.first) + ": " + equation(scaledOne, n));
    if (!(m.second == Rational(1)))
        out.add(Kind::Step,
                "Second equation times " + n.number(m.second) + ": " + equation(scaledTwo, n));
    const Rational sign = m.add ? Rational(1) : Rational(-1);
    const Row left{scaledOne.p + sign * scaledTwo.p, scaledOne.q + sign * scaledTwo.q,
                   scaledOne.r + sign * scaledTwo.r};
    const std::string how = m.add ? "The two added: " : "The first less the second: ";
    const std::string found = removeX ? "y" : "x";
    const Rational size = removeX ? left.q : left.p;
    if (f.kind != SystemFacts::Kind::One) {
        // Both unknowns went: what is left is false, or true whatever x and y are.
        const bool none = left.r.sign() != 0;
        out.add(Kind::Case,
                how + "0 = " + n.number(left.r) +
                    (none ? ", which is false: no solution, the lines are parallel."
                          : ", true for every x and y: both equations describe the "
                            "same line, so there are infinitely many solutions."),
                Step::Eliminate);
        withoutOneSolution(f, n, out, false);
        return;
    }
    const Rational value = removeX ? f.y : f.x;
    std::vector<Formula> parts{text(how + n.term(size, found) + " = " + n.number(left.r))};
    if (!(size == Rational(1))) {
        parts.push_back(math::text(", so "));
        parts.push_back(
            equal({named(found, value), quotient(number(left.r), number(size)), fraction(value)}));
    }
    out.add(Kind::Step, words(std::move(parts)), n, Step::Eliminate);
    const std::string other = removeX ? "x" : "y";
    const bool firstHasOther = removeX ? one.p.sign() != 0 : one.q.sign() != 0;
    rest(firstHasOther ? one : two, found, value, other, n, out);
    solution(f, n, out);
}

void bySubstitution(const SystemFacts& f, const Notation& n, Writer& out) {
    const bool anyVoid =
        (f.k[0].sign() == 0 && f.k[1].sign() == 0) || (f.k[3].sign() == 0 && f.k[4].sign() == 0);
    // y is taken from an equation that has it; with D ≠ 0 one does.
    const bool fromFirst = f.k[1].sign() != 0;
    // Without an unknown in an equation, or without y in either, nothing is put in.
    if (anyVoid || (f.kind != SystemFacts::Kind::One && !fromFirst)) {
        withoutOneSolution(f, n, out);
        return;
    }
    const Row from = fromFirst ? first(f) : second(f);
    const Row into = fromFirst ? second(f) : first(f);
    const Rational constant = from.r / from.q, slope = -from.p / from.q;
    const std::string y = n.sum({{constant, ""}, {slope, "x"}});
    out.add(Kind::Step,
            std::string("From the ") + (fromFirst ? "first" : "second") + " equation: y = " + y);
    const Rational p = into.p + into.q * slope, r = into.r - into.q * constant;
    const std::string other = fromFirst ? "second" : "first";
    if (f.kind != SystemFacts::Kind::One) {
        // x goes with y: what is left is false, or true whatever x is.
        out.add(Kind::Case,
                "Into the " + other + ": " + n.term(into.p, "x") + " + " + n.put(into.q) + "·(" +
                    y + ") = " + n.number(into.r) + ", so " +
                    n.sum({{into.p, "x"}, {into.q * constant, ""}, {into.q * slope, "x"}}) + " = " +
                    n.number(into.r) + ", so 0 = " + n.number(r) +
                    (r.sign() != 0 ? ", which is false: no solution, the lines are parallel."
                                   : ", true for every x: both equations describe the same "
                                     "line, so there are infinitely many solutions."),
                Step::Substitute);
        withoutOneSolution(f, n, out, false);
        return;
    }
    std::vector<Formula> parts;
    if (into.q.sign() == 0) {
        parts.push_back(math::text("Into the " + other + ", which has no y: " + equation(into, n)));
    } else {
        // Put in, multiplied out, collected: each step written, fractions kept.
        std::string line = "Into the " + other + ": " + n.term(into.p, "x") + " + " +
                           n.put(into.q) + "·(" + y + ") = " + n.number(into.r);
        const std::string expanded =
            n.sum({{into.p, "x"}, {into.q * constant, ""}, {into.q * slope, "x"}}) + " = " +
            n.number(into.r);
        line += ", so " + expanded;
        const std::string collected = n.term(p, "x") + " = " + n.number(r);
        if (collected != expanded)
            line += ", so " + collected;
        parts.push_back(math::text(line));
    }
    if (!(p == Rational(1))) {
        parts.push_back(math::text(", so "));
        parts.push_back(
            math::equal({named("x", f.x), math::quotient(math::fraction(r), math::fraction(p)),
                         math::fraction(f.x)}));
    }
    out.add(Kind::Step, math::words(std::move(parts)), n, Step::Substitute);
    if (slope.sign() != 0) {
        using namespace math;
        const Formula part = slope.sign() < 0 ? negated(product({fraction(-slope), fraction(f.x)}))
                                              : product({fraction(slope), fraction(f.x)});
        const Rational sx = slope * f.x;
        std::vector<Formula> sides{named("y", f.y),
                                   constant.sign() == 0 ? part : sum({fraction(constant), part})};
        if (constant.sign() != 0 && sx.sign() != 0)
            sides.push_back(
                sum({fraction(constant), sx.sign() < 0 ? negated(fraction(-sx)) : fraction(sx)}));
        sides.push_back(fraction(f.y));
        out.add(Kind::Step, equal(std::move(sides)), n);
    }
    solution(f, n, out);
}

} // namespace

void systemWorking(const SystemFacts& f, WorkingMethod method, const Notation& n, Writer& out) {
    out.add(Kind::Heading, equation(first(f), n));
    out.add(Kind::Heading, equation(second(f), n));
    switch (method) {
    case WorkingMethod::Elimination:
        return byElimination(f, n, out);
    case WorkingMethod::Substitution:
        return bySubstitution(f, n, out);
    default:
        return byCramer(f, n, out);
    }
}
