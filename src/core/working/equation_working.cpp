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

// "√768 = √(256·3) = 16√3", "√(5/4) = √5/2", "√(-3) = i√3", "√9 = 3".
std::string rootSteps(const Rational& value, const Surd& root, const Notation& n) {
    // A fraction, a negative number or a power of ten is bracketed: √1.6×10⁵¹ reads as
    // (√1.6)·10⁵¹.
    const std::string number = n.number(value);
    const bool compound =
        value.sign() < 0 || value.den != 1 || number.find("×") != std::string::npos;
    std::string text = "√" + (compound ? "(" + number + ")" : number);
    const Rational factor = root.rational() ? Rational(0) : surdFactor(root);
    if (value.sign() > 0 && value.den == 1 && !root.rational() && factor.den == 1 &&
        factor != Rational(1)) {
        text += " = √(" + n.number(factor * factor) + "·" + decimalText(root.r) + ")";
    }
    const std::string simple = n.surd(root);
    return simple == text ? text : text + " = " + simple;
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

// a·x² + b·x + c with the number x put in, term by term, and its value.
std::string putBack(const EquationFacts& f, const Rational& x, const Notation& n) {
    const Rational ax2 = f.a * x * x, bx = f.b * x;
    const std::string text =
        n.put(f.a) + "·" + n.put(x) + "² + " + n.put(f.b) + "·" + n.put(x) + " + " + n.put(f.c);
    const Rational value = ax2 + bx + f.c;
    return text + " = " + Notation::then(n.sum({{ax2, ""}, {bx, ""}, {f.c, ""}}), n.number(value));
}

void check(const EquationFacts& f, const Notation& n, Writer& out) {
    const std::optional<Rational> x1 = rationalValue(f.roots->first);
    const std::optional<Rational> x2 = rationalValue(f.roots->second);
    if (x1 && x2) {
        out.add(Kind::Step, "Check, x1 put back: " + putBack(f, *x1, n));
        if (!(*x1 == *x2))
            out.add(Kind::Step, "Check, x2 put back: " + putBack(f, *x2, n));
        return;
    }
    // The sum and the product of the roots, from their parts: (p + q√r) + (p - q√r) = 2p and
    // (p + q√r)(p - q√r) = p² - q²r.
    const Rational p = rationalPart(f.roots->first), q = surdFactor(f.roots->first);
    const Rational sum = p + p, product = p * p - q * q * Rational::of(f.roots->first.r, 1);
    const auto compared = [&](const Rational& value, const Rational& expected) {
        return n.number(value) + (value == expected ? " = " : " ≠ ");
    };
    out.add(Kind::Step, "Check with the sum and the product of the roots: x1 + x2 = " +
                            compared(sum, -f.b / f.a) +
                            "-b/a and x1·x2 = " + compared(product, f.c / f.a) + "c/a.");
}

void roots(const EquationFacts& f, const std::string& x1Start, const std::string& x2Start,
           const Notation& n, Writer& out) {
    const auto line = [&](const std::string& name, const std::string& start, const Surd& root) {
        out.add(Kind::Result, name + " = " + Notation::then(start, n.result(root)));
    };
    line("x1", x1Start, f.roots->first);
    line("x2", x2Start, f.roots->second);
}

void doubleRoot(const EquationFacts& f, const Notation& n, Writer& out) {
    out.add(Kind::Result, "x1 = x2 = " + n.result(f.roots->first) + " (a double root)");
}

// The complex pair once exactly and once as decimals, "≈" where a part is rounded: "x1,2 =
// start = -1/2 ± (√3/2)i ≈ -0.5 ± 0.866025403784439i".
void complexRoots(const EquationFacts& f, const std::string& start, const Notation& n,
                  Writer& out) {
    const std::string pair = n.complexPair(f.roots->first);
    const std::string real = n.decimal(asSurd(rationalPart(f.roots->first)));
    const std::string size = n.decimal(imaginarySize(f.roots->first));
    const bool rounded = real.starts_with("≈") || size.starts_with("≈");
    const std::string realPart = real.substr(real.find(' ') + 1);
    const std::string decimals = (realPart == "0" ? "±" : realPart + " ± ") +
                                 (size == "= 1" ? "" : size.substr(size.find(' ') + 1)) + "i";
    std::string text = "x1,2 = " + (start.empty() ? pair : Notation::then(start, pair));
    if (decimals != pair)
        text += (rounded ? " ≈ " : " = ") + decimals;
    out.add(Kind::Result, text);
    if (!f.windowFirst.empty())
        out.add(Kind::Note,
                "The window writes them as " + f.windowFirst + " and " + f.windowSecond + ".");
}

std::string discriminantLine(const EquationFacts& f, const Notation& n) {
    const Rational b2 = f.b * f.b, ac4 = Rational(4) * f.a * f.c;
    const std::string terms = n.sum({{b2, ""}, {-ac4, ""}});
    return "D = b² - 4ac = " + n.put(f.b) + "² - 4·" + n.put(f.a) + "·" + n.put(f.c) + " = " +
           (terms == n.number(f.D) ? terms : terms + " = " + n.number(f.D));
}

void caseLine(const EquationFacts& f, const Notation& n, Writer& out) {
    if (f.D.sign() > 0)
        out.add(Kind::Case, "D = " + n.number(f.D) + " > 0, so there are two real roots.");
    else if (f.D.sign() == 0)
        out.add(Kind::Case, "D = 0, so there is one double root.");
    else
        out.add(Kind::Case, "D = " + n.number(f.D) +
                                " < 0, so there is no real solution: no real number squared "
                                "is negative. In the complex numbers, i² = -1:");
}

void byFormula(const EquationFacts& f, const Notation& n, Writer& out) {
    out.add(Kind::Step, discriminantLine(f, n), Step::Discriminant);
    caseLine(f, n, out);
    // A power of ten over 2a is bracketed, as a negative 2a is.
    const std::string minusBText = n.number(-f.b);
    const std::string minusB = f.b.sign() != 0 && minusBText.find("×") != std::string::npos
                                   ? "(" + minusBText + ")"
                                   : minusBText;
    const std::string twoA = n.put(f.a + f.a);
    if (f.D.sign() == 0) {
        out.add(Kind::Step, "x = -b/(2a) = " + minusB + "/" + twoA, Step::RootFormula);
        doubleRoot(f, n, out);
        check(f, n, out);
        return;
    }
    const Surd root = scaled(halfGap(f), f.a.sign() < 0 ? -(f.a + f.a) : f.a + f.a);
    out.add(Kind::Step, "√D = " + rootSteps(f.D, root, n));
    unsplitNote(f.roots->unsplit, out);
    const std::string rootText = n.surd(root);
    const std::string over = "/" + twoA;
    const std::string putIn = "(" + minusB + " ± " + rootText + ")" + over;
    out.add(Kind::Step, "x1,2 = (-b ± √D)/(2a) = " + putIn, Step::RootFormula);
    if (f.D.sign() < 0) {
        complexRoots(f, "", n, out);
    } else {
        roots(f, "(" + minusB + " + " + rootText + ")" + over,
              "(" + minusB + " - " + rootText + ")" + over, n, out);
    }
    check(f, n, out);
}

void byFactoring(const EquationFacts& f, const Notation& n, Writer& out) {
    const Rational x1 = *rationalValue(f.roots->first), x2 = *rationalValue(f.roots->second);
    out.add(Kind::Step,
            "Two numbers whose sum is -b/a = " + n.number(-f.b / f.a) +
                " and whose product is c/a = " + n.number(f.c / f.a) + ": " + n.fraction(x1) +
                " and " + n.fraction(x2),
            Step::SumProduct);
    const std::string leading = f.a == Rational(1) ? "" : f.a == Rational(-1) ? "-" : n.put(f.a);
    const std::string left = n.sum({{f.a, "x²"}, {f.b, "x"}, {f.c, ""}});
    if (x1 == x2) {
        const std::string factored = leading + squared(factor(x1, n));
        out.add(Kind::Step, Notation::then(left, factored) + " = 0");
        out.add(Kind::Step, factor(x1, n) + " = 0");
        doubleRoot(f, n, out);
    } else {
        out.add(Kind::Step,
                left + " = " + leading + "(" + factor(x1, n) + ")(" + factor(x2, n) + ") = 0");
        out.add(Kind::Step, "A product is 0 where a factor is 0: " + factor(x1, n) + " = 0 or " +
                                factor(x2, n) + " = 0");
        out.add(Kind::Result, n.list({"x1 = " + n.result(x1), "x2 = " + n.result(x2)}));
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
                "Add (" + n.number(half) + ")² = " + n.number(half * half) +
                    ", half of x's coefficient squared, to both sides to make the left a "
                    "square: " +
                    n.sum({{1, "x²"}, {p, "x"}, {half * half, ""}}) + " = " +
                    n.sum({{-q, ""}, {half * half, ""}}),
                Step::HalveB);
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
    const std::string h = half.sign() == 0 ? "" : n.number(-half) + " ";
    const std::string plus = h.empty() ? root : h + "+ " + root;
    const std::string minus = h.empty() ? "-" + root : h + "- " + root;
    if (right.sign() < 0)
        complexRoots(f, h.empty() ? "±" + root : h + "± " + root, n, out);
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
    if (!(f.b == Rational(1)))
        out.add(Kind::Result,
                "x = " + Notation::then(n.number(-f.c) + "/" + n.put(f.b), n.result(x)));
    else
        out.add(Kind::Result, "x = " + n.result(x));
    const Rational value = f.b * x + f.c;
    out.add(Kind::Step,
            "Check: " + n.put(f.b) + "·" + n.put(x) + " + " + n.put(f.c) + " = " + n.number(value));
}

} // namespace

void equationWorking(const EquationFacts& f, WorkingMethod method, const Notation& n, Writer& out) {
    out.add(Kind::Heading, n.side({{f.a, "x²"}, {f.b, "x"}, {f.c, ""}}) + " = 0");
    out.add(Kind::Heading,
            n.list({"a = " + n.number(f.a), "b = " + n.number(f.b), "c = " + n.number(f.c)}));
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
