#pragma once

#include "controls.h"
#include "form_variables.h"
#include "numbers.h"

#include <functional>
#include <string_view>

// The main window's commands, written against the control operations so that they run on the
// Qt window and on the plain model alike. Message boxes are the caller's: showWarning shows a
// modal box titled "Warning" with the warning icon and returns when it is dismissed.
using ShowWarning = std::function<void(std::string_view text)>;

inline constexpr std::string_view welcomeText =
    "Welcome to Velmora!\r\nPress INFO for more information";

// The load procedure after the welcome box: every box and label hidden, the lower buttons disabled.
void hideControlsOnLoad(Controls& controls, FormVariables& vars);
// "CHECK!": lays out the mode of the selected option button.
void checkLayout(Controls& controls, FormVariables& vars);
// "run": checks the boxes of the selected mode and solves.
void runCommand(Controls& controls, FormVariables& vars, const NumberLocale& locale,
                const ShowWarning& showWarning);
// "clear fields"
void clearFields(Controls& controls, FormVariables& vars);
