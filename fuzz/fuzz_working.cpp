// "run" on fuzzed coefficients, then the working by every method offered and the graph, in the
// English and the German number form. The input's first byte says the layout (bit 0: the system)
// and how the rest is read (bit 1: as Singles, four bytes each, written out in each number form;
// otherwise as the box texts, separated by NUL bytes). Whatever the numbers: no "INF" or "NaN" in
// any text, every line built as a formula true when evaluated exactly, every mark on its curve,
// every label clear of the curves, the axes, the marks and the other labels, and every exact
// form read back on the side of its decimal the working says.

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/numbers/decimals.h"
#include "core/solving/form_commands.h"
#include "core/working/figure.h"
#include "core/working/working.h"
#include "fuzz_support.h"

namespace {

const NumberLocale english;
const NumberLocale german{",", ".", "\u20ac"};

// The program writes an infinity as "INF" and a NaN as "NAN" (or "NaN"): neither may reach the
// user, except inside a text the user typed, which the working quotes.
bool showsNoInfinity(const std::string& text) {
    for (const char* word : {"INF", "NAN", "NaN"})
        if (text.find(word) != std::string::npos)
            return false;
    return true;
}

struct Run {
    std::vector<std::string> texts;
    RunOutcome outcome;

    std::string describe() const {
        std::string out;
        for (std::size_t index = 0; index < texts.size(); ++index)
            out += "Text(" + std::to_string(index + 1) + ") " + quoted(texts[index]) + "\n";
        return out;
    }
};

double distanceToSegment(FigurePoint point, FigurePoint p, FigurePoint q) {
    const double dx = q.x - p.x, dy = q.y - p.y;
    const double length = dx * dx + dy * dy;
    const double t =
        length == 0 ? 0
                    : std::clamp(((point.x - p.x) * dx + (point.y - p.y) * dy) / length, 0.0, 1.0);
    return std::hypot(p.x + t * dx - point.x, p.y + t * dy - point.y);
}

bool inside(const FigureLabel& label, double x, double y) {
    return x > label.left && x < label.left + label.width && y > label.top &&
           y < label.top + label.height;
}

// Whether a segment passes through a label's box, walked in steps of a quarter pixel.
bool throughBox(const FigureLabel& label, FigurePoint p, FigurePoint q) {
    const double length = std::hypot(q.x - p.x, q.y - p.y);
    if (!(length < 4000))
        return true; // no segment of a 480-pixel view is that long
    const int steps = int(std::ceil(length * 4)) + 1;
    for (int step = 0; step <= steps; ++step) {
        const double t = double(step) / steps;
        if (inside(label, p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)))
            return true;
    }
    return false;
}

void checkFigure(const Figure& figure, const Run& run) {
    const auto fail = [&](const std::string& what) {
        return [&, what] { return what + "\n" + figure.alternative + "\n" + run.describe(); };
    };
    require(showsNoInfinity(figure.alternative) && showsNoInfinity(figure.note),
            "the graph's texts show no infinity", fail(figure.note));
    require(figure.drawn == !figure.curves.empty(), "a drawn graph has a curve", fail(""));
    for (const FigureMark& mark : figure.marks) {
        require(mark.at.x >= 0 && mark.at.x <= figure.width && mark.at.y >= 0 &&
                    mark.at.y <= figure.height,
                "a mark is in view", fail(""));
        for (const FigureCurve& curve : figure.curves) {
            if (mark.kind != FigureMark::Kind::Intersection && curve.series != 0)
                continue;
            double nearest = 1e300;
            for (std::size_t i = 0; i + 1 < curve.points.size(); ++i)
                nearest = std::min(
                    nearest, distanceToSegment(mark.at, curve.points[i], curve.points[i + 1]));
            require(nearest <= 1, "a mark lies on its curve",
                    fail("off by " + number(nearest) + " pixels"));
        }
    }
    for (std::size_t i = 0; i < figure.labels.size(); ++i) {
        const FigureLabel& p = figure.labels[i];
        require(showsNoInfinity(p.text), "a label shows no infinity", fail(p.text));
        require(p.left >= 0 && p.top >= 0 && p.left + p.width <= figure.width &&
                    p.top + p.height <= figure.height,
                "a label is in view", fail(p.text));
        for (std::size_t j = i + 1; j < figure.labels.size(); ++j) {
            const FigureLabel& q = figure.labels[j];
            require(!(p.left < q.left + q.width && q.left < p.left + p.width &&
                      p.top < q.top + q.height && q.top < p.top + p.height),
                    "labels do not overlap", fail(p.text + " and " + q.text));
        }
        require(!(figure.xAxisAt > p.top && figure.xAxisAt < p.top + p.height) &&
                    !(figure.yAxisAt > p.left && figure.yAxisAt < p.left + p.width),
                "a label is clear of the axes", fail(p.text));
        for (const FigureCurve& curve : figure.curves)
            for (std::size_t k = 0; k + 1 < curve.points.size(); ++k)
                require(!throughBox(p, curve.points[k], curve.points[k + 1]),
                        "a label is clear of the curves", fail(p.text));
        for (const FigureMark& mark : figure.marks) {
            const double dx = mark.at.x - std::clamp(mark.at.x, p.left, p.left + p.width);
            const double dy = mark.at.y - std::clamp(mark.at.y, p.top, p.top + p.height);
            require(std::hypot(dx, dy) > Figure::markRadius, "a label is clear of the marks",
                    fail(p.text));
        }
    }
}

// An exact form as the working writes it, read back into (a + b·√r)/c: "2", "-1/4", "(3 + √5)/2",
// "1 + √2", "-2√3/3", "(-1 + i√3)/2", "1 + 2i", "-i/2"; r negative for an imaginary part, 1 for
// none. Nothing where the text has another shape.
std::optional<Surd> readExactForm(std::string_view text) {
    const auto integer = [](std::string_view digits) -> std::optional<BigInt> {
        const bool negative = digits.starts_with('-');
        if (negative)
            digits.remove_prefix(1);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        const BigInt value{std::string(digits)};
        return negative ? BigInt(-value) : value;
    };
    Surd form;
    form.r = 1;
    if (const std::size_t slash = text.rfind('/'); slash != std::string_view::npos) {
        const std::optional<BigInt> below = integer(text.substr(slash + 1));
        if (!below || *below <= 0)
            return std::nullopt;
        form.c = *below;
        text = text.substr(0, slash);
    }
    if (text.starts_with('(') && text.ends_with(')'))
        text = text.substr(1, text.size() - 2);
    std::string_view term = text;
    int sign = 1;
    const std::size_t plus = text.find(" + "), minus = text.find(" - ");
    if (const std::size_t split = std::min(plus, minus); split != std::string_view::npos) {
        const std::optional<BigInt> whole = integer(text.substr(0, split));
        if (!whole)
            return std::nullopt;
        form.a = *whole;
        sign = split == minus ? -1 : 1;
        term = text.substr(split + 3);
    } else if (const std::optional<BigInt> whole = integer(text)) {
        form.a = *whole;
        return form;
    }
    if (term.starts_with('-')) {
        sign = -sign;
        term.remove_prefix(1);
    }
    if (term.empty())
        return std::nullopt;
    const std::size_t digits = term.find_first_not_of("0123456789");
    form.b = digits == 0 ? BigInt(1) : BigInt(std::string(term.substr(0, digits)));
    term = digits == std::string_view::npos ? std::string_view() : term.substr(digits);
    const bool imaginary = term.starts_with('i');
    if (imaginary)
        term.remove_prefix(1);
    if (term.starts_with("\u221A")) {
        const std::optional<BigInt> radicand =
            integer(term.substr(std::string_view("\u221A").size()));
        if (!radicand || *radicand <= 1)
            return std::nullopt;
        form.r = *radicand;
        term = {};
    }
    if (!term.empty() || (!imaginary && form.r == 1))
        return std::nullopt;
    form.b *= sign;
    if (imaginary)
        form.r = -form.r;
    return form;
}

// A shown value "0.5", ".25" or "-0.5+0.866025403784439*i": the real part, and a complex one's
// imaginary part with its sign (empty for a real value).
std::pair<std::string_view, std::string_view> shownParts(std::string_view shown) {
    if (!shown.ends_with("*i"))
        return {shown, {}};
    for (std::size_t pos = 1; pos < shown.size(); ++pos)
        if ((shown[pos] == '+' || shown[pos] == '-') && shown[pos - 1] != 'E')
            return {shown.substr(0, pos),
                    shown.substr(pos + (shown[pos] == '+' ? 1 : 0),
                                 shown.size() - pos - 2 - (shown[pos] == '+' ? 1 : 0))};
    return {shown, {}};
}

// Whether a decimal is the exact value rounded to the digits shown; the nearest number of the
// program's precision written out may end in another digit, and then the working says so.
bool showsExactly(const Surd& exact, std::string_view shown, bool single) {
    return roundsTo(exact, shown, single ? 7 : 15);
}

Surd realSurd(const BigInt& a, const BigInt& b, const BigInt& c, const BigInt& r) {
    // A rational has no root: b = 0.
    return r == 1 ? Surd{a + b, 0, c, 0} : Surd{a, b, c, r};
}

// Every exact form reads back, and says the same as `agrees` whether the decimal shown beside it
// is that value: a real value to the precision the program computed it in; a complex one's real
// part to a Single's, its imaginary part to a double's.
void checkExact(const Working& working, const Run& run) {
    for (const ExactResult& result : working.exact) {
        const auto fail = [&] {
            return result.name + " = " + result.shown + ", exactly " + result.exact + ", agrees " +
                   (result.agrees ? "yes" : "no") + "\n" + run.describe();
        };
        const std::optional<Surd> exact = readExactForm(result.exact);
        require(exact.has_value(), "an exact form reads back", fail);
        const auto [real, imaginary] = shownParts(result.shown);
        bool agrees;
        if (exact->r < 0) {
            require(!imaginary.empty(), "a complex exact form stands beside a complex decimal",
                    fail);
            agrees = showsExactly(Surd{exact->a, 0, exact->c, 0}, real, true) &&
                     showsExactly(realSurd(0, exact->b, exact->c, -exact->r), imaginary, false);
        } else {
            require(imaginary.empty(), "a real exact form stands beside a real decimal", fail);
            agrees =
                showsExactly(realSurd(exact->a, exact->b, exact->c, exact->r), real, result.single);
        }
        require(agrees == result.agrees,
                "the exact form agrees with its decimal as the working says", fail);
    }
}

// A typed "INF" is quoted back as typed: only where none was typed must no text show one.
void checkWorking(const Working& working, const Run& run, const std::string& method,
                  bool typedInfinity) {
    const std::string text = working.text();
    require(typedInfinity || showsNoInfinity(text), "the working shows no infinity",
            [&] { return method + ":\n" + text + "\n" + run.describe(); });
    checkExact(working, run);
    for (const WorkingLine& line : working.lines) {
        if (!line.formula)
            continue;
        const LineCheck check = checkLine(*line.formula);
        require(check.fault.empty(), "every line built as a formula is true", [&] {
            return method + ": " + line.text + "\n" + check.fault + "\n" + run.describe();
        });
    }
}

// Three texts are an equation, six a system, typed into the laid-out window and run.
void checkRun(const std::vector<std::string>& texts, const NumberLocale& locale) {
    const Run done{texts, solveTexts(texts, locale)};
    bool typedInfinity = false;
    for (const std::string& text : texts)
        typedInfinity = typedInfinity || !showsNoInfinity(text);
    checkWorking(makeWorking(done.outcome, locale), done, "the default", typedInfinity);
    for (const MethodChoice& choice : workingMethods(done.outcome))
        checkWorking(makeWorking(done.outcome, locale, choice.method), done, choice.name,
                     typedInfinity);
    checkFigure(makeFigure(done.outcome, locale), done);
}

// Singles from the bytes, four each, as finite numbers: an infinity or a NaN cannot be typed.
std::vector<float> singles(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::vector<float> values(count, 0.0f);
    for (std::size_t index = 0; index < count && (index + 1) * 4 <= size; ++index) {
        std::memcpy(&values[index], data + index * 4, 4);
        if (!std::isfinite(values[index]))
            values[index] = 0;
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool system = (data[0] & 1) != 0, asSingles = (data[0] & 2) != 0;
    const std::size_t count = system ? 6 : 3;
    for (const NumberLocale* locale : {&english, &german}) {
        std::vector<std::string> texts;
        if (asSingles) {
            for (float value : singles(data + 1, size - 1, count))
                texts.push_back(StrR8(value, *locale));
        } else {
            texts = splitTexts(data + 1, size - 1, count);
        }
        checkRun(texts, *locale);
    }
    return 0;
}
