// "run" on fuzzed coefficients, then the working by every method offered and the graph, in the
// English and the German number form. The input's first byte says the layout (bit 0: the system)
// and how the rest is read (bit 1: as Singles, four bytes each, written out in each number form;
// otherwise as the box texts, separated by NUL bytes). Whatever the numbers: no "INF" or "NaN" in
// any text, every mark on its curve, every label clear of the curves, the axes, the marks and the
// other labels.

#include <cstring>
#include <string>
#include <vector>

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

// The main window laid out by "CHECK!" for the layout, the texts typed, "run" pressed.
Run run(bool system, const std::vector<std::string>& texts, const NumberLocale& locale) {
    ControlModel controls;
    FormVariables vars;
    hideControlsOnLoad(controls, vars);
    if (system)
        controls.selectOption2();
    else
        controls.selectOption1();
    checkLayout(controls, vars);
    for (std::size_t index = 0; index < texts.size(); ++index)
        controls.setText(int(index) + 1, texts[index]);
    Run result{texts, {}};
    runCommand(
        controls, vars, locale, [](std::string_view) {}, result.outcome);
    return result;
}

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

void checkWorking(const Working& working, const Run& run, const std::string& method) {
    const std::string text = working.text();
    require(showsNoInfinity(text), "the working shows no infinity",
            [&] { return method + ":\n" + text + "\n" + run.describe(); });
}

void checkRun(bool system, const std::vector<std::string>& texts, const NumberLocale& locale) {
    const Run done = run(system, texts, locale);
    // A typed "INF" is quoted back as typed.
    bool typedInfinity = false;
    for (const std::string& text : texts)
        typedInfinity = typedInfinity || !showsNoInfinity(text);
    const std::vector<MethodChoice> methods = workingMethods(done.outcome);
    if (!typedInfinity)
        checkWorking(makeWorking(done.outcome, locale), done, "the default");
    for (const MethodChoice& choice : methods) {
        const Working working = makeWorking(done.outcome, locale, choice.method);
        if (!typedInfinity)
            checkWorking(working, done, choice.name);
    }
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
        checkRun(system, texts, *locale);
    }
    return 0;
}
