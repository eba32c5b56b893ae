// Cost of one solve on the plain model, and of the 15-digit text form, in nanoseconds.
#include <cmath>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/design/control_model.h"
#include "core/solving/equation_solver.h"
#include "core/solving/system_solver.h"
#include "core/typing/answer_reading.h"
#include "core/typing/equation_reading.h"
#include "core/working/figure.h"
#include "core/working/working.h"

namespace {

struct Window {
    ControlModel controls;
    FormVariables vars;
    NumberLocale locale;
    SolverContext form{controls, vars, locale};

    explicit Window(std::initializer_list<const char*> texts) {
        int index = 1;
        for (const char* text : texts)
            controls.setText(index++, text);
    }
};

void lisiTwoRealRoots(benchmark::State& state) {
    Window w{"1", "-2", "-1"};
    for (auto _ : state)
        lisi(w.form, readBoxes(w.controls, 3, w.locale));
    benchmark::DoNotOptimize(w.controls.text(10));
}

void lisiComplexRoots(benchmark::State& state) {
    Window w{"1", "1", "1"};
    for (auto _ : state)
        lisi(w.form, readBoxes(w.controls, 3, w.locale));
    benchmark::DoNotOptimize(w.controls.text(10));
}

void lisi1GeneralSolution(benchmark::State& state) {
    Window w{"1", "1", "3", "1", "-1", "1"};
    for (auto _ : state)
        lisi1(w.form, readBoxes(w.controls, 6, w.locale));
    benchmark::DoNotOptimize(w.controls.text(11));
}

void lisi1RatioTest(benchmark::State& state) {
    Window w{"1", "1", "2", "2", "2", "4"};
    for (auto _ : state)
        lisi1(w.form, readBoxes(w.controls, 6, w.locale));
    benchmark::DoNotOptimize(w.controls.caption(1));
}

// Opening the working: the lines, the exact forms (a 63-bit radicand with two large prime
// factors for the square factors) and the graph, from one run's outcome.
void workingAndFigure(benchmark::State& state) {
    Window w{"1", "1", "-2305842968250555832"};
    RunOutcome outcome;
    w.form.outcome = &outcome;
    lisi(w.form, readBoxes(w.controls, 3, w.locale));
    for (auto _ : state) {
        benchmark::DoNotOptimize(makeWorking(outcome));
        benchmark::DoNotOptimize(makeFigure(outcome));
    }
}

void strR8(benchmark::State& state) {
    const NumberLocale locale;
    double value = std::sqrt(2.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(StrR8(value, locale));
    }
}

// A long equation typed as a pupil writes it, 200 characters of brackets, fractions and powers,
// read into the boxes with the working's first lines: it is read again at every key typed.
void readTypedEquation(benchmark::State& state) {
    const std::string text =
        "3(x \u2212 1)(x + 2)/4 \u2212 (2x + 1)\u00B2 + 5/6(x \u2212 3) + 0.25x\u00B7x \u2212 7/3 "
        "+ "
        "(x + 1)(x \u2212 1)/2 \u2212 4(x \u2212 1/5)(x + 1/7) + 11x/12 \u2212 (3 \u2212 "
        "x)\u00B2/9 = "
        "x/2 + 1/3 \u2212 2(x \u2212 1)\u00B2 + (x + 4)(2 \u2212 x)/5 + 13/14 \u2212 x\u00B2/8 + "
        "6(x + 10) \u2212 9x/100";
    const NumberLocale locale;
    for (auto _ : state)
        benchmark::DoNotOptimize(readEquation(text, locale));
}

// Pasted texts of 10,000 characters, each of a shape that once cost more than its length: read
// or refused in words, in the Equation box and as a Practice answer.
struct PastedShape {
    const char* name;
    std::string text;
};

std::string repeated(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t count = 0; count < times; ++count)
        text += piece;
    return text;
}

const std::vector<PastedShape>& pastedShapes() {
    static const std::vector<PastedShape> shapes{
        {"brackets", repeated("(", 5000) + "1" + repeated(")", 4999)},
        {"minus signs", repeated("-", 9999) + "1"},
        {"roots", repeated("\u221A", 9999) + "4"},
        {"digits", repeated("1", 10000)},
        {"product of sums", "(" + repeated("1+", 2496) + "1)(" + repeated("1+", 2496) + "1)x = 1"},
        {"broken bytes", repeated("\xED\xA0\x80", 10000)},
    };
    return shapes;
}

void readPastedEquation(benchmark::State& state) {
    const PastedShape& shape = pastedShapes()[std::size_t(state.range(0))];
    const NumberLocale locale;
    for (auto _ : state)
        benchmark::DoNotOptimize(readEquation(shape.text, locale));
    state.SetLabel(shape.name);
}

void readPastedAnswer(benchmark::State& state) {
    const PastedShape& shape = pastedShapes()[std::size_t(state.range(0))];
    const NumberLocale locale;
    for (auto _ : state)
        benchmark::DoNotOptimize(readAnswer(shape.text, locale));
    state.SetLabel(shape.name);
}

} // namespace

BENCHMARK(lisiTwoRealRoots);
BENCHMARK(lisiComplexRoots);
BENCHMARK(lisi1GeneralSolution);
BENCHMARK(lisi1RatioTest);
BENCHMARK(workingAndFigure)->Unit(benchmark::kMicrosecond);
BENCHMARK(strR8);
BENCHMARK(readTypedEquation)->Unit(benchmark::kMicrosecond);
BENCHMARK(readPastedEquation)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK(readPastedAnswer)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
