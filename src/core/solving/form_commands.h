#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/design/controls.h"
#include "core/numbers/numbers.h"
#include "core/solving/form_variables.h"
#include "core/solving/run_outcome.h"

// The main window's procedures, written against the control operations. The conversation runs
// them against a recorder of what to show: showWarning puts the warning box into the reply at
// that point, and what the procedure writes after it is shown once the box is answered.
using ShowWarning = std::function<void(std::string_view text)>;

// The load procedure after the welcome box: every box and label hidden, the lower buttons disabled.
void hideControlsOnLoad(Controls& controls, FormVariables& vars);
// "CHECK!": lays out the mode of the selected option button.
void checkLayout(Controls& controls, FormVariables& vars);
// "run": checks the boxes of the selected mode and solves. outcome: what the run came to, for
// the working; left as it was when no mode is chosen.
void runCommand(Controls& controls, FormVariables& vars, const NumberLocale& locale,
                const ShowWarning& showWarning, RunOutcome& outcome);
// "clear fields"
void clearFields(Controls& controls, FormVariables& vars);

// "run" as it comes out for these texts typed into a freshly laid-out window: three boxes solve
// the equation, six the system. For what is worked out away from the window (the exercises).
RunOutcome solveTexts(const std::vector<std::string>& texts, const NumberLocale& locale);
