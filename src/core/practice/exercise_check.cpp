#include "core/practice/exercise_check.h"

#include "core/solving/form_commands.h"
#include "core/working/working_parts.h"

namespace {

bool isWhole(const Surd& root) {
    return root.rational() && root.c == 1;
}

bool equationOfKind(const RunOutcome& run, const ExactCoefficients& exact, PracticeKind kind) {
    const EquationFacts facts = equationFacts(exact);
    if (facts.kind != run.equationCase)
        return false;
    switch (kind) {
    case PracticeKind::FirstDegree:
        return facts.kind == EquationCase::FirstDegree;
    case PracticeKind::DoubleRoot:
        return facts.kind == EquationCase::DoubleRoot;
    case PracticeKind::ComplexRoots:
        return facts.kind == EquationCase::ComplexRoots;
    default:
        break;
    }
    if (facts.kind != EquationCase::TwoRealRoots)
        return false;
    const Surd& first = facts.roots->first;
    const Surd& second = facts.roots->second;
    if (kind == PracticeKind::SurdRoots)
        return !first.rational();
    if (kind == PracticeKind::IntegerRoots)
        return isWhole(first) && isWhole(second);
    return first.rational() && (!isWhole(first) || !isWhole(second)); // FractionRoots
}

bool systemOfKind(const RunOutcome& run, const ExactCoefficients& exact, PracticeKind kind) {
    using enum SystemFacts::Kind;
    const SystemFacts facts = systemFacts(exact);
    switch (kind) {
    case PracticeKind::OneSolution:
        return facts.kind == One && run.systemResult == SystemResult::Solution;
    case PracticeKind::NoSolution:
        return facts.kind == None && run.systemResult == SystemResult::Unsolvable;
    default: // InfinitelyMany
        return facts.kind == Line && run.systemResult == SystemResult::Undefined;
    }
}

} // namespace

bool solvesAsItsKind(const Exercise& exercise) {
    const RunOutcome run = solveTexts(exercise.texts, NumberLocale{});
    if (run.warning != RunOutcome::Warning::None || !run.decided)
        return false;
    const std::optional<ExactCoefficients> exact = exactCoefficients(run);
    if (!exact || !exact->tooLong.empty())
        return false;
    for (std::size_t index = 0; index < exercise.coefficients.size(); ++index)
        if (exact->k[index] != exercise.coefficients[index])
            return false;
    return isSystem(exercise.kind) ? systemOfKind(run, *exact, exercise.kind)
                                   : equationOfKind(run, *exact, exercise.kind);
}
