#include "core/working/warm_up.h"

#include <string>
#include <vector>

#include "core/solving/form_commands.h"
#include "core/working/figure.h"
#include "core/working/working.h"

void warmUpWorking() {
    // Two real roots, complex roots with a surd, a first-degree equation, a system with a
    // solution and one with none: between them every writer of the working runs.
    const std::vector<std::vector<std::string>> samples{
        {"1", "-3", "2"},          {"1", "1", "1"},           {"2", "3", "6"},
        {"0", "2", "-4"},          {"1", "1", "2", "1", "-1", "0"},
        {"1", "2", "3", "2", "4", "5"},
    };
    for (const std::vector<std::string>& texts : samples) {
        const RunOutcome outcome = solveTexts(texts, NumberLocale{});
        for (const MethodChoice& choice : workingMethods(outcome))
            makeWorking(outcome, NumberLocale{}, choice.method);
        makeFigure(outcome, NumberLocale{});
    }
}
