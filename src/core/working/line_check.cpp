#include "core/working/exact_values.h"
#include "core/working/formula.h"

// Each chain of a line evaluated exactly: numbers of the form p + q·√r with one square-free r
// (negative for i), a "±" as the pair of values it stands for. Both sides of every "=" must be
// equal, of every "≠" different; a rounded number counts as the exact value it rounds. A side with
// an unknown, or with roots of two different numbers, is not evaluated. A rounded number is
// rendered from the exact value it carries, so it is correctly rounded by its making: the check
// proves that value is the other side's.

namespace {

using Kind = Formula::Kind;

struct Value {
    Rational p, q; // p + q·√r
    BigInt r = 0;  // 0 where q = 0
};

Value rational(const Rational& p) {
    return {p, 0, 0};
}

Value normal(Value v) {
    if (v.q.sign() == 0 || v.r == 0)
        return rational(v.p);
    if (v.r == 1)
        return rational(v.p + v.q);
    return v;
}

Value fromSurd(const Surd& s) {
    return normal({rationalPart(s), surdFactor(s), s.r});
}

using Values = std::vector<Value>; // one, or two for a "±"
using Maybe = std::optional<Values>;

std::optional<Value> add(const Value& u, const Value& v) {
    if (u.q.sign() != 0 && v.q.sign() != 0 && u.r != v.r)
        return std::nullopt;
    return normal({u.p + v.p, u.q + v.q, u.q.sign() != 0 ? u.r : v.r});
}

std::optional<Value> multiply(const Value& u, const Value& v) {
    if (u.q.sign() == 0)
        return normal({u.p * v.p, u.p * v.q, v.r});
    if (v.q.sign() == 0)
        return normal({u.p * v.p, u.q * v.p, u.r});
    if (u.r == v.r)
        return normal({u.p * v.p + u.q * v.q * Rational::of(u.r, 1), u.p * v.q + u.q * v.p, u.r});
    if (u.p.sign() != 0 || v.p.sign() != 0)
        return std::nullopt;
    // q√r · q'√r' = qq'·√(rr')
    const SquareSplit split = splitSquares(u.r * v.r);
    const BigInt free = u.r * v.r < 0 ? BigInt(-split.squareFree) : split.squareFree;
    return normal({0, u.q * v.q * Rational::of(split.root, 1), free});
}

std::optional<Value> inverse(const Value& v) {
    // 1/(p + q√r) = (p - q√r)/(p² - q²r), never 0 below for a square-free r.
    const Rational below = v.p * v.p - v.q * v.q * Rational::of(v.r, 1);
    if (below.sign() == 0)
        return std::nullopt;
    return normal({v.p / below, -v.q / below, v.r});
}

std::optional<Value> squareRoot(const Value& v) {
    if (v.q.sign() != 0)
        return std::nullopt;
    const SquareSplit split = splitSquares(v.p.num * v.p.den);
    const BigInt free = v.p.sign() < 0 ? BigInt(-split.squareFree) : split.squareFree;
    return normal({0, Rational::of(split.root, v.p.den), free});
}

bool same(const Value& u, const Value& v) {
    return u.p == v.p && u.q == v.q && (u.q.sign() == 0 || u.r == v.r);
}

// Two value lists combined pairwise, a single value with each of a pair.
template <class Op> Maybe combine(const Maybe& left, const Maybe& right, Op op) {
    if (!left || !right)
        return std::nullopt;
    const std::size_t size = std::max(left->size(), right->size());
    if (left->size() != right->size() && left->size() != 1 && right->size() != 1)
        return std::nullopt;
    Values out;
    for (std::size_t i = 0; i < size; ++i) {
        const std::optional<Value> v =
            op((*left)[left->size() == 1 ? 0 : i], (*right)[right->size() == 1 ? 0 : i]);
        if (!v)
            return std::nullopt;
        out.push_back(*v);
    }
    return out;
}

Maybe evaluate(const Formula& f) {
    switch (f.kind) {
    case Kind::Number:
        return Values{rational(f.number)};
    case Kind::Rounded:
        return Values{fromSurd(*f.value)};
    case Kind::Name:
        if (!f.value)
            return std::nullopt;
        return Values{fromSurd(*f.value)};
    case Kind::Negated:
        return combine(Values{rational(-1)}, evaluate(f.parts[0]), multiply);
    case Kind::Sum:
    case Kind::Product: {
        Maybe total = evaluate(f.parts[0]);
        for (std::size_t i = 1; i < f.parts.size(); ++i)
            total = f.kind == Kind::Sum ? combine(total, evaluate(f.parts[i]), add)
                                        : combine(total, evaluate(f.parts[i]), multiply);
        return total;
    }
    case Kind::Quotient: {
        Maybe under = evaluate(f.parts[1]);
        if (under)
            for (Value& v : *under) {
                const std::optional<Value> inverted = inverse(v);
                if (!inverted)
                    return std::nullopt;
                v = *inverted;
            }
        return combine(evaluate(f.parts[0]), under, multiply);
    }
    case Kind::Power: {
        Maybe total = Values{rational(1)};
        const Maybe base = evaluate(f.parts[0]);
        for (int i = 0; i < int(f.number.num); ++i)
            total = combine(total, base, multiply);
        return total;
    }
    case Kind::Root: {
        Maybe under = evaluate(f.parts[0]);
        if (under)
            for (Value& v : *under) {
                const std::optional<Value> root = squareRoot(v);
                if (!root)
                    return std::nullopt;
                v = *root;
            }
        return under;
    }
    case Kind::PlusMinus: {
        const Maybe left = evaluate(f.parts[0]), right = evaluate(f.parts[1]);
        if (!left || !right || left->size() != 1 || right->size() != 1)
            return std::nullopt;
        const auto sumOf = add(left->front(), right->front());
        const auto differenceOf = add(left->front(), *multiply(rational(-1), right->front()));
        if (!sumOf || !differenceOf)
            return std::nullopt;
        return Values{*sumOf, *differenceOf};
    }
    case Kind::Determinant: {
        const auto times = [&](int p, int q) {
            return combine(evaluate(f.parts[p]), evaluate(f.parts[q]), multiply);
        };
        return combine(times(0, 3), combine(Values{rational(-1)}, times(2, 1), multiply), add);
    }
    default:
        return std::nullopt;
    }
}

bool allSame(const Values& u, const Values& v) {
    if (u.size() != v.size())
        return false;
    for (std::size_t i = 0; i < u.size(); ++i)
        if (!same(u[i], v[i]))
            return false;
    return true;
}

void checkChain(const Formula& f, LineCheck& result) {
    for (std::size_t i = 1; i < f.parts.size() && result.fault.empty(); ++i) {
        const Formula::Relation relation = f.relations[i - 1];
        if (relation == Formula::Relation::Equation)
            continue;
        const Maybe left = evaluate(f.parts[i - 1]), right = evaluate(f.parts[i]);
        if (!left || !right)
            continue;
        ++result.checked;
        bool holds = true;
        switch (relation) {
        case Formula::Relation::Equal:
            holds = allSame(*left, *right);
            break;
        case Formula::Relation::NotEqual:
            holds = !allSame(*left, *right);
            break;
        default: {
            const bool realRationals = left->size() == 1 && right->size() == 1 &&
                                       left->front().q.sign() == 0 && right->front().q.sign() == 0;
            const bool greater = realRationals && right->front().p < left->front().p;
            const bool less = realRationals && left->front().p < right->front().p;
            holds = relation == Formula::Relation::Greater ? greater : less;
        }
        }
        if (!holds)
            result.fault = "relation " + std::to_string(i) + " of the chain is false";
    }
}

void checkAll(const Formula& f, LineCheck& result) {
    if (f.kind == Kind::Chain)
        checkChain(f, result);
    for (const Formula& part : f.parts)
        checkAll(part, result);
}

} // namespace

LineCheck checkLine(const Formula& line) {
    LineCheck result;
    checkAll(line, result);
    return result;
}
