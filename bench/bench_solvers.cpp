// Cost of one solve on the plain model, and of the 15-digit text form, in nanoseconds.
#include <cmath>

#include <benchmark/benchmark.h>

#include "core/design/control_model.h"
#include "core/solving/equation_solver.h"
#include "core/solving/system_solver.h"
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

} // namespace

BENCHMARK(lisiTwoRealRoots);
BENCHMARK(lisiComplexRoots);
BENCHMARK(lisi1GeneralSolution);
BENCHMARK(lisi1RatioTest);
BENCHMARK(workingAndFigure)->Unit(benchmark::kMicrosecond);
BENCHMARK(strR8);
BENCHMARK_MAIN();
