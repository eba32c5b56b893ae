#include "core/working/exact_values.h"
#include "core/working/working_parts.h"

// An equation worked as a pupil is taught: by the formula, by factoring or by completing the
// square, or, for the first degree, by rearranging; each ends with a check.

namespace {

using Kind = WorkingLine::Kind;
using Step = WorkingLine::Step;

// √D/(2|a|), half the distance between the roots, taken from the roots so that the radicand is
// not split again: √D = 2|a| times it, and completing the square ends at its square.
Surd halfGap(const EquationFacts& f) {
    const Surd& first = f.roots->first;
    if (first.rational()) {
        const Rational gap = (rationalPart(first) - rationalPart(f.roots->second)) / Rational(2);
        return asSurd(gap.sign() < 0 ? -gap : gap);
    }
    const Rational size = Rational::of(abs(first.b), first.c);
    return {0, size.num, size.den, first.r};
}

// A surd times a positive rational.
Surd scaled(const Surd& value, const Rational& k) {
    if (value.rational())
        return asSurd(rationalPart(value) * k);
    const Rational factor = surdFactor(value) * k;
    return {0, factor.num, factor.den, value.r};
}

// "x - 2", "x + 1/2", "x" for the root 0.
std::string factor(const Rational& root, const Notation& n) {
    if (root.sign() == 0)
        return "x";
    return root.sign() > 0 ? "x - " + n.number(root) : "x + " + n.number(-root);
}

// "(x - 2)²", but "x²" for the root 0.
std::string squared(const std::string& factor) {
    return factor == "x" ? "x²" : "(" + factor + ")²";
}

// The one line that says where the search for square factors stopped short, so that a number
// left under the root may still hold a square.
void unsplitNote(const BigInt& unsplit, Writer& out) {
    if (unsplit != 1)
        out.add(Kind::Note, decimalText(unsplit) +
                                " is not split further: a square factor of it, if it has one, is "
                                "too large for the search to find in its time.");
}

// The coefficients' names, standing for their values in a formula.
Formula named(const std::string& name, const Rational& value) {
    return math::name(name, asSurd(value));
}

// "Check, x1 put back: 1·2² + (-3)·2 + 2 = 4 - 6 + 2 = 0".
Formula putBack(const EquationFacts& f, const std::string& name, const Rational& x) {
    using namespace math;
    const Rational ax2 = f.a * x * x, bx = f.b * x;
    return words({text("Check, " + name + " put back: "),
                  equal({sum({product({number(f.a), power(number(x), 2)}),
                              product({number(f.b), number(x)}), number(f.c)}),
                         terms({ax2, bx, f.c}), number(ax2 + bx + f.c)})});
}

// Each root put back where both are fractions; else their sum and product worked out from the
// roots and compared with -b/a and c/a.
void check(const EquationFacts& f, const Notation& n, Writer& out) {
    using namespace math;
    const std::optional<Rational> x1 = rationalValue(f.roots->first);
    const std::optional<Rational> x2 = rationalValue(f.roots->second);
    if (x1 && x2) {
        out.add(Kind::Step, putBack(f, "x1", *x1), n);
        if (!(*x1 == *x2))
            out.add(Kind::Step, putBack(f, "x2", *x2), n);
        return;
    }
    const Formula first = name("x1", f.roots->first), second = name("x2", f.roots->second);
    const Rational p = rationalPart(f.roots->first), q = surdFactor(f.roots->first);
    const Rational total = p + p, product = p * p - q * q * Rational::of(f.roots->first.r, 1);
    const Formula b = named("b", f.b), a = named("a", f.a), c = named("c", f.c);
    out.add(Kind::Step,
            words({text("Check with the sum and the product of the roots: "),
                   equal({sum({first, second}), sum({surd(f.roots->first), surd(f.roots->second)}),
                          number(total), quotient(negated(b), a)}),
                   text(" and "),
                   equal({math::product({first, second}),
                          math::product({surd(f.roots->first), surd(f.roots->second)}),
                          number(product), quotient(c, a)}),
                   text(".")}),
            n);
}

void roots(const EquationFacts& f, const Formula& x1Start, const Formula& x2Start,
           const Notation& n, Writer& out) {
    const auto line = [&](const std::string& name, const Formula& start, const Surd& root) {
        out.add(Kind::Result, math::equal({math::name(name, root), start, math::result(root)}), n);
    };
    line("x1", x1Start, f.roots->first);
    line("x2", x2Start, f.roots->second);
}

void doubleRoot(const EquationFacts& f, const Notation& n, Writer& out) {
    using namespace math;
    out.add(Kind::Result,
            words({equal({name("x1", f.roots->first), name("x2", f.roots->second),
                          result(f.roots->first)}),
                   text(" (a double root)")}),
            n);
}

// The complex pair once exactly and once as decimals: "x1,2 = start = -1/2 ± (√3/2)i ≈ -0.5 ±
// 0.866025403784439i".
void complexRoots(const EquationFacts& f, std::optional<Formula> start, const Notation& n,
                  Writer& out) {
    using namespace math;
    const Rational real = rationalPart(f.roots->first);
    const Surd size = imaginarySize(f.roots->first);
    const Formula i = name("i", Surd{0, 1, 1, -1});
    const auto times = [&](Formula factor) {
        return factor.kind == Formula::Kind::Number && factor.number == Rational(1)
                   ? i
                   : product({std::move(factor), i});
    };
    std::vector<Formula> sides{name("x1,2")};
    if (start)
        sides.push_back(*start);
    sides.push_back(plusMinus(fraction(real), times(surd(size))));
    sides.push_back(plusMinus(rounded(asSurd(real)), times(rounded(size))));
    out.add(Kind::Result, equal(std::move(sides)), n);
    if (!f.windowFirst.empty())
        out.add(Kind::Note,
                "The window writes them as " + f.windowFirst + " and " + f.windowSecond + ".");
}

Formula discriminantLine(const EquationFacts& f) {
    using namespace math;
    const Formula b = named("b", f.b), a = named("a", f.a), c = named("c", f.c);
    return equal(
        {name("D", asSurd(f.D)), sum({power(b, 2), negated(product({number(4), a, c}))}),
         sum({power(number(f.b), 2), negated(product({number(4), number(f.a), number(f.c)}))}),
         terms({f.b * f.b, -Rational(4) * f.a * f.c}), number(f.D)});
}

void caseLine(const EquationFacts& f, const Notation& n, Writer& out) {
    using namespace math;
    using Relation = Formula::Relation;
    const Formula D = name("D", asSurd(f.D));
    if (f.D.sign() > 0)
        out.add(Kind::Case,
                words({chain(D, {{Relation::Equal, number(f.D)}, {Relation::Greater, number(0)}}),
                       text(", so there are two real roots.")}),
                n);
    else if (f.D.sign() == 0)
        out.add(Kind::Case, words({equal({D, number(0)}), text(", so there is one double root.")}),
                n);
    else
        out.add(
            Kind::Case,
            words({chain(D, {{Relation::Equal, number(f.D)}, {Relation::Less, number(0)}}),
                   text(", so there is no real solution: no real number squared is negative. "
                        "In the complex numbers, "),
                   chain(power(name("i", Surd{0, 1, 1, -1}), 2), {{Relation::Equal, number(-1)}}),
                   text(":")}),
            n);
}

// "√D = √768 = √(256·3) = 16√3", "√D = √(-3) = i√3": the square factor shown where there is one.
Formula rootLine(const EquationFacts& f, const Surd& root) {
    using namespace math;
    std::vector<Formula> sides{math::root(name("D", asSurd(f.D))), math::root(number(f.D))};
    const Rational factor = root.rational() ? Rational(0) : surdFactor(root);
    if (f.D.sign() > 0 && f.D.den == 1 && factor.den == 1 && !(factor == Rational(0)) &&
        !(factor == Rational(1)))
        sides.push_back(
            math::root(product({number(factor * factor), number(Rational::of(root.r, 1))})));
    sides.push_back(surd(root));
    return equal(std::move(sides));
}

void byFormula(const EquationFacts& f, const Notation& n, Writer& out) {
    using namespace math;
    out.add(Kind::Step, discriminantLine(f), n, Step::Discriminant);
    caseLine(f, n, out);
    const Formula a = named("a", f.a), b = named("b", f.b);
    const Formula minusB = number(-f.b), twoA = number(f.a + f.a);
    const Formula under = product({number(2), a});
    if (f.D.sign() == 0) {
        out.add(
            Kind::Step,
            equal({name("x", f.roots->first), quotient(negated(b), under), quotient(minusB, twoA)}),
            n, Step::RootFormula);
        doubleRoot(f, n, out);
        check(f, n, out);
        return;
    }
    const Surd root = scaled(halfGap(f), f.a.sign() < 0 ? -(f.a + f.a) : f.a + f.a);
    out.add(Kind::Step, rootLine(f, root), n);
    unsplitNote(f.roots->unsplit, out);
    const Formula D = name("D", asSurd(f.D));
    // Without a b the roots are ±√D/(2a): no "0 ±".
    const Formula rootOfD = surd(root);
    out.add(Kind::Step,
            equal({name("x1,2"), quotient(plusMinus(negated(b), math::root(D)), under),
                   quotient(plusMinus(minusB, rootOfD), twoA)}),
            n, Step::RootFormula);
    if (f.D.sign() < 0) {
        complexRoots(f, std::nullopt, n, out);
    } else {
        const auto start = [&](bool plus) {
            const Formula term = plus ? rootOfD : negated(rootOfD);
            return quotient(f.b.sign() == 0 ? term : sum({minusB, term}), twoA);
        };
        roots(f, start(true), start(false), n, out);
    }
    check(f, n, out);
}

// "9x - 4" for the root 4/9: the factor with whole numbers that is 0 at the root.
std::string wholeFactor(const Rational& root, const Notation& n) {
    const std::string term = n.term(Rational::of(root.den, 1), "x");
    if (root.sign() == 0)
        return term;
    return term + (root.sign() > 0 ? " - " : " + ") + n.number(Rational::of(abs(root.num), 1));
}

// "18", "-", "" or "(1/2)" before the factors.
std::string leadingFactor(const Rational& k, const Notation& n) {
    if (k == Rational(1))
        return "";
    if (k == Rational(-1))
        return "-";
    return n.put(k);
}

bool whole(const EquationFacts& f) {
    return f.a.den == 1 && f.b.den == 1 && f.c.den == 1;
}

// The pair a pupil looks for: with whole coefficients two whole numbers whose product is a·c
// and whose sum is b (with a = 1 the product is c), which split b·x for grouping; else the
// roots by their sum -b/a and product c/a. Factored over whole numbers, a·x² + b·x + c =
// k(v1·x - u1)(v2·x - u2) for the roots u1/v1 and u2/v2.
void byFactoring(const EquationFacts& f, const Notation& n, Writer& out) {
    using namespace math;
    const Rational x1 = *rationalValue(f.roots->first), x2 = *rationalValue(f.roots->second);
    const Rational v1 = Rational::of(x1.den, 1), v2 = Rational::of(x2.den, 1);
    const Rational u1 = Rational::of(x1.num, 1), u2 = Rational::of(x2.num, 1);
    const Rational k = f.a / (v1 * v2);
    const std::string left = n.sum({{f.a, "x²"}, {f.b, "x"}, {f.c, ""}});
    const std::string first = wholeFactor(x1, n), second = wholeFactor(x2, n);
    const std::string lead = leadingFactor(k, n);
    // b·x split into m·x + p·x, m·p = a·c
    const Rational m = -k * v1 * u2, p = -k * v2 * u1;
    std::string factoring = left;
    if (whole(f)) {
        const Formula ac = f.a == Rational(1)
                               ? equal({named("c", f.c), number(f.c)})
                               : equal({product({named("a", f.a), named("c", f.c)}),
                                        product({number(f.a), number(f.c)}), number(f.a * f.c)});
        out.add(
            Kind::Step,
            words({text("Two numbers whose sum is b = " + n.number(f.b) + " and whose product is "),
                   ac, text(": " + n.number(m) + " and " + n.number(p))}),
            n, Step::SumProduct);
        if (!(f.a == Rational(1)) && !(x1 == x2) && f.c.sign() != 0) {
            // a·x² + m·x + p·x + c = k·v1·x(v2·x - u2) - k·u1(v2·x - u2)
            const std::string group =
                n.term(k * v1, "x") + "(" + second + ")" + ((k * u1).sign() > 0 ? " - " : " + ") +
                n.number(k * u1 < Rational(0) ? -(k * u1) : k * u1) + "(" + second + ")";
            factoring +=
                " = " + n.sum({{f.a, "x²"}, {m, "x"}, {p, "x"}, {f.c, ""}}) + " = " + group;
        }
    } else {
        out.add(Kind::Step,
                "Two numbers whose sum is -b/a = " + n.number(-f.b / f.a) +
                    " and whose product is c/a = " + n.number(f.c / f.a) + ": " + n.fraction(x1) +
                    " and " + n.fraction(x2),
                Step::SumProduct);
    }
    if (x1 == x2) {
        out.add(Kind::Step, Notation::then(factoring, lead + squared(first)) + " = 0");
        out.add(Kind::Step, first + " = 0");
        doubleRoot(f, n, out);
    } else {
        // x(x - 2), not (x)(x - 2)
        const std::string product = first == "x"    ? lead + "x(" + second + ")"
                                    : second == "x" ? lead + "x(" + first + ")"
                                                    : lead + "(" + first + ")(" + second + ")";
        out.add(Kind::Step, Notation::then(factoring, product) + " = 0");
        out.add(Kind::Step,
                "A product is 0 where a factor is 0: " + first + " = 0 or " + second + " = 0");
        out.add(Kind::Result,
                list({equal({name("x1", f.roots->first), result(f.roots->first)}),
                      equal({name("x2", f.roots->second), result(f.roots->second)})}),
                n);
    }
    check(f, n, out);
}

// Solved first, then the vertex form the square gives; a step that would change nothing (no x
// term to halve) is left out.
void byCompletingTheSquare(const EquationFacts& f, const Notation& n, Writer& out) {
    const Rational p = f.b / f.a, q = f.c / f.a;
    if (!(f.a == Rational(1)))
        out.add(Kind::Step, "Divided by a = " + n.number(f.a) + ": " +
                                n.sum({{1, "x²"}, {p, "x"}, {q, ""}}) + " = 0");
    const Rational half = p / Rational(2);
    const Rational right = half * half - q; // D/(4a²)
    out.add(Kind::Step, n.sum({{1, "x²"}, {p, "x"}}) + " = " + n.number(-q), Step::MoveTerm);
    const std::string base = factor(-half, n);
    const std::string square = squared(base);
    if (half.sign() != 0) {
        out.add(Kind::Step,
                math::words(
                    {math::text("Add "),
                     math::equal({math::power(math::number(half), 2), math::number(half * half)}),
                     math::text(" (the square of half of x's coefficient) to both sides "
                                "to make the left a square: " +
                                n.sum({{1, "x²"}, {p, "x"}, {half * half, ""}}) + " = " +
                                n.sum({{-q, ""}, {half * half, ""}}))}),
                n, Step::HalveB);
        out.add(Kind::Step, square + " = " + n.number(right));
    }
    const Rational k = -f.a * right;
    const auto vertexForm = [&] {
        out.add(Kind::Step, "Vertex form: y = " + n.sum({{f.a, square}, {k, ""}}) +
                                ", with the vertex at (" + n.list({n.number(-half), n.number(k)}) +
                                ")");
    };
    if (right.sign() == 0) {
        out.add(Kind::Step, base + " = 0", Step::TakeRoot);
        doubleRoot(f, n, out);
        check(f, n, out);
        vertexForm();
        return;
    }
    if (right.sign() < 0)
        out.add(Kind::Case, "A square is never negative, so there is no real solution. In the "
                            "complex numbers, i² = -1:");
    const std::string root = n.surd(halfGap(f));
    out.add(Kind::Step, base + " = ±" + root, Step::TakeRoot);
    unsplitNote(f.roots->unsplit, out);
    // x = h ± root; with a < 0 the program's first root is the one with the minus.
    const Formula h = math::number(-half), rootFormula = math::surd(halfGap(f));
    const auto start = [&](bool plusRoot) {
        const Formula term = plusRoot ? rootFormula : math::negated(rootFormula);
        return half.sign() == 0 ? term : math::sum({h, term});
    };
    const Formula plus = start(true), minus = start(false);
    if (right.sign() < 0)
        complexRoots(f, math::plusMinus(h, rootFormula), n, out);
    else if (f.a.sign() > 0)
        roots(f, plus, minus, n, out);
    else
        roots(f, minus, plus, n, out);
    check(f, n, out);
    vertexForm();
}

void byRearranging(const EquationFacts& f, const Notation& n, Writer& out) {
    const std::string left = n.side({{f.b, "x"}, {f.c, ""}});
    if (f.kind == EquationCase::Unsolvable) {
        out.add(Kind::Case, left + " = 0 reads " + n.number(f.c) +
                                " = 0, which is false: no number solves it.");
        return;
    }
    if (f.kind == EquationCase::Undefined) {
        out.add(Kind::Case, "0 = 0 is true whatever x is: every number solves it.");
        return;
    }
    const Rational x = -f.c / f.b;
    std::string step = n.term(f.b, "x") + " = " + n.number(-f.c);
    if (f.c.sign() != 0)
        out.add(Kind::Step, left + " = 0, so " + step, Step::MoveTerm);
    else
        out.add(Kind::Step, step, Step::MoveTerm);
    using namespace math;
    if (!(f.b == Rational(1)))
        out.add(
            Kind::Result,
            equal({name("x", asSurd(x)), quotient(number(-f.c), number(f.b)), result(asSurd(x))}),
            n);
    else
        out.add(Kind::Result, equal({name("x", asSurd(x)), result(asSurd(x))}), n);
    // "Check: 3·(-1/3) + 1 = -1 + 1 = 0", worked out.
    const Rational bx = f.b * x;
    out.add(Kind::Step,
            words({text("Check: "), equal({sum({product({number(f.b), number(x)}), number(f.c)}),
                                           terms({bx, f.c}), number(bx + f.c)})}),
            n);
}

} // namespace

void equationWorking(const EquationFacts& f, WorkingMethod method, const Notation& n, Writer& out) {
    out.add(Kind::Heading, n.side({{f.a, "x²"}, {f.b, "x"}, {f.c, ""}}) + " = 0");
    out.add(Kind::Heading,
            math::list({math::equal({named("a", f.a), math::number(f.a)}),
                        math::equal({named("b", f.b), math::number(f.b)}),
                        math::equal({named("c", f.c), math::number(f.c)})}),
            n);
    if (!f.roots) {
        byRearranging(f, n, out);
        return;
    }
    switch (method) {
    case WorkingMethod::Factoring:
        if (f.D.sign() >= 0 && f.roots->first.rational())
            return byFactoring(f, n, out);
        break;
    case WorkingMethod::CompletingSquare:
        return byCompletingTheSquare(f, n, out);
    default:
        break;
    }
    byFormula(f, n, out);
}
