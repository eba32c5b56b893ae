#include "core/working/warm_up.h"

#include <array>
#include <string>
#include <vector>

#include "core/solving/form_commands.h"
#include "core/working/figure.h"
#include "core/working/working.h"

namespace {

// Two real roots, complex roots with a surd, a first-degree equation, a system with a solution
// and one with none: between them every writer of the working runs.
const std::array<std::vector<std::string>, 6> samples{{
    {"1", "-3", "2"},
    {"1", "1", "1"},
    {"2", "3", "6"},
    {"0", "2", "-4"},
    {"1", "1", "2", "1", "-1", "0"},
    {"1", "2", "3", "2", "4", "5"},
}};

} // namespace

bool WorkingWarmUp::step() {
    if (m_next >= samples.size())
        return false;
    const RunOutcome outcome = solveTexts(samples[m_next++], NumberLocale{});
    for (const MethodChoice& choice : workingMethods(outcome))
        makeWorking(outcome, NumberLocale{}, choice.method);
    makeFigure(outcome, NumberLocale{});
    return m_next < samples.size();
}
