#include "core/working/formula.h"

#include "core/numbers/decimals.h"
#include "core/working/exact_values.h"
#include "core/working/notation.h"

// The plain text of a line. Brackets come from each part's precedence: a sum inside a product,
// a negative number or a fraction as a factor or a base, anything but a whole number under the
// root or below a fraction bar.

namespace {

using Kind = Formula::Kind;

// How tightly a part binds as written: a sum loosest, a whole number or a name tightest.
enum Precedence { Loose = 1, Signed = 2, Multiplied = 3, Raised = 4, Atom = 6 };

int precedence(const Formula& f, const Notation& n) {
    switch (f.kind) {
    case Kind::Number:
    case Kind::Rounded: {
        const std::string text = f.plain(n);
        if (text.starts_with('-'))
            return Signed;
        if (text.find('/') != std::string::npos || text.find("×") != std::string::npos)
            return Multiplied;
        return Atom;
    }
    case Kind::Name:
        return Atom;
    case Kind::Negated:
        return Signed;
    case Kind::PlusMinus:
        return f.parts[0].kind == Kind::Number && f.parts[0].number.sign() == 0 ? Signed : Loose;
    case Kind::Product:
    case Kind::Quotient:
        return Multiplied;
    case Kind::Determinant:
        return Atom;
    case Kind::Power:
    case Kind::Root:
        return Raised;
    default:
        return Loose;
    }
}

std::string bracketed(const Formula& f, const Notation& n, bool bracket) {
    const std::string text = f.plain(n);
    return bracket ? "(" + text + ")" : text;
}

std::string superscript(int power) {
    static const char* const digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text;
    for (char digit : std::to_string(power))
        text += digit == '-' ? "⁻" : digits[digit - '0'];
    return text;
}

bool holdsRounded(const Formula& f) {
    if (f.kind == Kind::Rounded)
        return true;
    for (const Formula& part : f.parts)
        if (holdsRounded(part))
            return true;
    return false;
}

std::string relationText(Formula::Relation relation, bool rounded) {
    switch (relation) {
    case Formula::Relation::Equal:
        return rounded ? " ≈ " : " = ";
    case Formula::Relation::Equation:
        return " = ";
    case Formula::Relation::NotEqual:
        return " ≠ ";
    case Formula::Relation::Greater:
        return " > ";
    case Formula::Relation::Less:
        break;
    }
    return " < ";
}

std::string productText(const Formula& f, const Notation& n) {
    std::string text;
    for (std::size_t i = 0; i < f.parts.size(); ++i) {
        const Formula& part = f.parts[i];
        // A power of ten leads a product unbracketed: 1×10¹⁹·x.
        const std::string alone = part.plain(n);
        const bool leadingPower = i == 0 && part.kind == Kind::Number &&
                                  alone.find('/') == std::string::npos && !alone.starts_with('-');
        const std::string piece =
            bracketed(part, n, precedence(part, n) <= Multiplied && !leadingPower);
        if (i > 0) {
            // 2x, 4ac, 2√3, i√3, (√3/2)i: a name or a root follows without a dot, but not a
            // name of more than a letter (x1·x2) or a power of ten (1×10¹⁹·x).
            const Formula& before = f.parts[i - 1];
            const bool follows = part.kind == Kind::Name || part.kind == Kind::Root ||
                                 (part.kind == Kind::Power && part.parts[0].kind == Kind::Name);
            const bool keepsDot = (before.kind == Kind::Name && before.text.size() > 1) ||
                                  before.plain(n).find("×") != std::string::npos ||
                                  (part.kind == Kind::Name && part.text.size() > 1);
            text += follows && !keepsDot ? "" : "·";
        }
        text += piece;
    }
    return text;
}

std::string sumText(const Formula& f, const Notation& n) {
    std::string text;
    for (std::size_t i = 0; i < f.parts.size(); ++i) {
        const Formula& part = f.parts[i];
        if (i == 0) {
            text = bracketed(part, n, precedence(part, n) <= Loose);
        } else if (part.kind == Kind::Negated) {
            text += " - " + bracketed(part.parts[0], n, precedence(part.parts[0], n) <= Signed);
        } else if (part.kind == Kind::Number) {
            // A negative number put in keeps its sign in brackets: "+ (-4)".
            text += " + " + bracketed(part, n, precedence(part, n) <= Signed);
        } else {
            // "√3/3 - √3/3", not "√3/3 + -√3/3".
            const std::string piece = bracketed(part, n, precedence(part, n) <= Loose);
            text += piece.starts_with('-') ? " - " + piece.substr(1) : " + " + piece;
        }
    }
    return text;
}

std::string chainText(const Formula& f, const Notation& n) {
    std::string text = f.parts.front().plain(n), last = text;
    for (std::size_t i = 1; i < f.parts.size(); ++i) {
        const std::string side = f.parts[i].plain(n);
        const Formula::Relation relation = f.relations[i - 1];
        // A side that reads as the one before says nothing new.
        if (relation == Formula::Relation::Equal && side == last)
            continue;
        text +=
            relationText(relation, holdsRounded(f.parts[i]) || holdsRounded(f.parts[i - 1])) + side;
        last = side;
    }
    return text;
}

} // namespace

Formula::Formula() = default;
Formula::Formula(const Formula&) = default;
Formula::Formula(Formula&&) noexcept = default;
Formula& Formula::operator=(const Formula&) = default;
Formula& Formula::operator=(Formula&&) noexcept = default;
Formula::~Formula() = default;

std::string Formula::plain(const Notation& n) const {
    switch (kind) {
    case Kind::Number:
        return asFraction ? n.fraction(number) : n.number(number);
    case Kind::Rounded:
        return n.rounded(*value);
    case Kind::Name:
    case Kind::Text:
        return text;
    case Kind::Negated:
        return "-" + bracketed(parts[0], n, precedence(parts[0], n) <= Signed);
    case Kind::Sum:
        return sumText(*this, n);
    case Kind::Product:
        return productText(*this, n);
    case Kind::Quotient:
        return bracketed(parts[0], n,
                         precedence(parts[0], n) <= Loose || parts[0].kind == Kind::Quotient ||
                             (parts[0].kind == Kind::Number &&
                              parts[0].plain(n).find('/') != std::string::npos)) +
               "/" + bracketed(parts[1], n, precedence(parts[1], n) < Atom);
    case Kind::Power:
        return bracketed(parts[0], n, precedence(parts[0], n) < Atom) +
               superscript(int(number.num));
    case Kind::Root:
        return "√" + bracketed(parts[0], n,
                               precedence(parts[0], n) < Atom ||
                                   parts[0].plain(n).find_first_of(".,") != std::string::npos);
    case Kind::PlusMinus: {
        // ±2i where nothing stands before it.
        const bool alone = parts[0].kind == Kind::Number && parts[0].number.sign() == 0;
        return (alone ? "±" : bracketed(parts[0], n, false) + " ± ") +
               bracketed(parts[1], n, precedence(parts[1], n) <= Loose);
    }
    case Kind::Determinant:
        return "|" + parts[0].plain(n) + " " + parts[1].plain(n) + "; " + parts[2].plain(n) + " " +
               parts[3].plain(n) + "|";
    case Kind::Chain:
        return chainText(*this, n);
    case Kind::List: {
        std::string text;
        for (const Formula& part : parts)
            text += (text.empty() ? "" : n.listSeparator()) + part.plain(n);
        return text;
    }
    case Kind::Words: {
        std::string text;
        for (const Formula& part : parts)
            text += part.plain(n);
        return text;
    }
    }
    return text;
}

namespace math {

namespace {
Formula node(Kind kind, std::vector<Formula> parts) {
    Formula f;
    f.kind = kind;
    f.parts = std::move(parts);
    return f;
}
} // namespace

Formula number(const Rational& value) {
    Formula f;
    f.kind = Kind::Number;
    f.number = value;
    return f;
}

Formula fraction(const Rational& value) {
    Formula f = number(value);
    f.asFraction = true;
    return f;
}

Formula rounded(const Surd& value) {
    if (const std::optional<Rational> exact = rationalValue(value))
        if (terminatingDecimal(*exact))
            return number(*exact);
    Formula f;
    f.kind = Kind::Rounded;
    f.value = value;
    return f;
}

Formula surd(const Surd& value) {
    if (value.rational())
        return number(rationalPart(value));
    std::vector<Formula> factors;
    if (abs(value.b) != 1)
        factors.push_back(number(Rational::of(abs(value.b), 1)));
    if (value.r < 0)
        factors.push_back(name("i", Surd{0, 1, 1, -1}));
    if (abs(value.r) != 1)
        factors.push_back(root(number(Rational::of(abs(value.r), 1))));
    Formula term = factors.size() == 1 ? factors.front() : product(std::move(factors));
    if (value.b < 0)
        term = negated(std::move(term));
    Formula over = value.a == 0 ? std::move(term) : sum({number(Rational::of(value.a, 1)), term});
    return value.c == 1 ? over : quotient(std::move(over), number(Rational::of(value.c, 1)));
}

Formula result(const Surd& value) {
    const std::optional<Rational> exact = rationalValue(value);
    return equal({exact ? fraction(*exact) : surd(value), rounded(value)});
}

Formula name(const std::string& name) {
    Formula f;
    f.kind = Kind::Name;
    f.text = name;
    return f;
}

Formula name(const std::string& written, const Surd& value) {
    Formula f = name(written);
    f.value = value;
    return f;
}

Formula negated(Formula part) {
    return node(Kind::Negated, {std::move(part)});
}

Formula sum(std::vector<Formula> parts) {
    return node(Kind::Sum, std::move(parts));
}

Formula product(std::vector<Formula> parts) {
    return node(Kind::Product, std::move(parts));
}

Formula quotient(Formula over, Formula under) {
    return node(Kind::Quotient, {std::move(over), std::move(under)});
}

Formula power(Formula base, int exponent) {
    Formula f = node(Kind::Power, {std::move(base)});
    f.number = exponent;
    return f;
}

Formula root(Formula part) {
    return node(Kind::Root, {std::move(part)});
}

Formula plusMinus(Formula left, Formula right) {
    return node(Kind::PlusMinus, {std::move(left), std::move(right)});
}

Formula determinant(Formula a, Formula b, Formula c, Formula d) {
    return node(Kind::Determinant, {std::move(a), std::move(b), std::move(c), std::move(d)});
}

Formula terms(const std::vector<Rational>& values) {
    std::vector<Formula> parts;
    for (const Rational& value : values) {
        if (value.sign() == 0)
            continue;
        parts.push_back(parts.empty() || value.sign() > 0 ? number(value)
                                                          : negated(number(-value)));
    }
    if (parts.empty())
        return number(0);
    return parts.size() == 1 ? parts.front() : sum(std::move(parts));
}

Formula list(std::vector<Formula> parts) {
    return node(Kind::List, std::move(parts));
}

Formula text(const std::string& words) {
    Formula f;
    f.text = words;
    return f;
}

Formula words(std::vector<Formula> parts) {
    return node(Kind::Words, std::move(parts));
}

Formula chain(Formula first, std::vector<std::pair<Formula::Relation, Formula>> rest) {
    Formula f = node(Kind::Chain, {std::move(first)});
    for (auto& [relation, part] : rest) {
        f.relations.push_back(relation);
        f.parts.push_back(std::move(part));
    }
    return f;
}

Formula equal(std::vector<Formula> sides) {
    Formula f = node(Kind::Chain, {});
    for (Formula& side : sides) {
        // A chain inside a chain of equal sides continues it.
        if (side.kind == Kind::Chain) {
            if (!f.parts.empty())
                f.relations.push_back(Formula::Relation::Equal);
            f.relations.insert(f.relations.end(), side.relations.begin(), side.relations.end());
            for (Formula& part : side.parts)
                f.parts.push_back(std::move(part));
            continue;
        }
        if (!f.parts.empty())
            f.relations.push_back(Formula::Relation::Equal);
        f.parts.push_back(std::move(side));
    }
    return f;
}

} // namespace math
