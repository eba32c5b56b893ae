#include "core/solving/form_commands.h"

#include <string>
#include <vector>

#include "core/design/control_model.h"
#include "core/solving/box_reading.h"
#include "core/solving/equation_solver.h"
#include "core/solving/system_solver.h"

namespace {

constexpr std::string_view noNumericValues = "Check again! No numeric values!";

// A fault inside a solver stops the command: nothing half-written may stay on screen.
void reportFault(SolverContext& form, const ArithmeticFault& fault,
                 const ShowWarning& showWarning) {
    recordFault(*form.outcome, fault.kind());
    form.controls.setCaption(role::statusLine, "");
    clear(form);
    showWarning(fault.what());
}

} // namespace

// The loops that count with vars.i are the window's own loops, which share its one counter; the
// loops that count with a local variable stand for steps written out one by one.

void hideControlsOnLoad(Controls& controls, FormVariables& vars) {
    for (vars.i = 1; vars.i <= 13; ++vars.i)
        controls.setLabelVisible(vars.i, false);
    for (vars.i = 1; vars.i <= 11; ++vars.i)
        controls.setTextVisible(vars.i, false);
    for (int command = 1; command <= 3; ++command)
        controls.setCommandEnabled(command, false);
}

void checkLayout(Controls& controls, FormVariables& vars) {
    for (int command = 1; command <= 3; ++command)
        controls.setCommandEnabled(command, true);
    controls.setCaption(role::statusLine, "");
    controls.setCaption(role::firstCaption, "");
    controls.setCaption(role::secondCaption, "");

    if (controls.option1Selected()) {
        for (vars.i = 1; vars.i <= 8; ++vars.i)
            controls.setLabelVisible(vars.i, true);
        controls.setCaption(6, "a*x^2+b*x+c=0");
        controls.setCaption(2, "a=");
        controls.setCaption(3, "b=");
        controls.setCaption(4, "c=");
        for (int index = 9; index <= 13; ++index)
            controls.setLabelVisible(index, false);

        for (vars.i = 1; vars.i <= 3; ++vars.i)
            controls.setTextVisible(vars.i, true);
        for (int index : {role::determinantBox, role::firstResultBox, role::secondResultBox})
            controls.setTextVisible(index, true);
        for (vars.i = 1; vars.i <= 11; ++vars.i)
            controls.setText(vars.i, "");
        // The boxes of a2, b2, c2 and of D1, D2.
        for (int index : {4, 5, 6, role::firstDeterminantBox, role::secondDeterminantBox})
            controls.setTextVisible(index, false);
    }

    if (controls.option2Selected()) {
        for (vars.i = 1; vars.i <= 13; ++vars.i)
            controls.setLabelVisible(vars.i, true);
        controls.setCaption(6, "a1*x+b1*y=c1\r\na2*x+b2*y=c2");
        controls.setCaption(2, "a1=");
        controls.setCaption(3, "b1=");
        controls.setCaption(4, "c1=");
        controls.setCaption(9, "a2=");
        controls.setCaption(10, "b2=");
        controls.setCaption(11, "c2=");
        for (vars.i = 1; vars.i <= 11; ++vars.i) {
            controls.setTextVisible(vars.i, true);
            controls.setText(vars.i, "");
        }
    }
}

void runCommand(Controls& controls, FormVariables& vars, const NumberLocale& locale,
                const ShowWarning& showWarning, RunOutcome& outcome) {
    SolverContext form{controls, vars, locale, &outcome};
    using Mode = RunOutcome::Mode;
    // Every box of the mode is read once, here; the checks and the solvers take these readings.
    // The other boxes are not read: they may hold a pasted page of text.
    const int count = controls.option1Selected() ? 3 : controls.option2Selected() ? 6 : 0;
    const std::vector<BoxReading> boxes = readBoxes(controls, count, locale);
    try {
        // Every box of the mode is checked for emptiness before any is checked for a number;
        // the option buttons are read afresh at every step, as the user may have switched mode
        // without pressing "CHECK!".
        for (vars.i = 1; vars.i <= 3; ++vars.i) {
            if (controls.option1Selected() && boxes[vars.i - 1].text.empty()) {
                outcome = warningOutcome(Mode::Equation, boxes, locale);
                showWarning("Fill in a,b,c!");
                return;
            }
        }
        for (vars.i = 1; vars.i <= 3; ++vars.i) {
            if (controls.option1Selected() && !boxes[vars.i - 1].reading.accepted()) {
                outcome = warningOutcome(Mode::Equation, boxes, locale);
                showWarning(noNumericValues);
                for (int index :
                     {role::determinantBox, role::firstResultBox, role::secondResultBox})
                    controls.setText(index, "");
                return;
            }
        }
        if (controls.option1Selected())
            lisi(form, boxes);

        for (vars.i = 1; vars.i <= 6; ++vars.i) {
            if (controls.option2Selected() && boxes[vars.i - 1].text.empty()) {
                outcome = warningOutcome(Mode::System, boxes, locale);
                showWarning("Fill in a1,a2,...,c2!");
                controls.setCaption(role::statusLine, "");
                return;
            }
        }
        for (vars.i = 1; vars.i <= 6; ++vars.i) {
            if (controls.option2Selected() && !boxes[vars.i - 1].reading.accepted()) {
                outcome = warningOutcome(Mode::System, boxes, locale);
                showWarning(noNumericValues);
                for (int index = role::determinantBox; index <= role::secondResultBox; ++index)
                    controls.setText(index, "");
                controls.setCaption(role::statusLine, "");
                return;
            }
        }
        if (controls.option2Selected())
            lisi1(form, boxes);
    } catch (const ArithmeticFault& fault) {
        reportFault(form, fault, showWarning);
    }
}

void clearFields(Controls& controls, FormVariables& vars) {
    for (vars.i = 1; vars.i <= 11; ++vars.i)
        controls.setText(vars.i, "");
    controls.setCaption(role::firstCaption, "");
    controls.setCaption(role::secondCaption, "");
    controls.setCaption(role::statusLine, "");
}

RunOutcome solveTexts(const std::vector<std::string>& texts, const NumberLocale& locale) {
    ControlModel controls;
    FormVariables vars;
    hideControlsOnLoad(controls, vars);
    if (texts.size() == 6)
        controls.selectOption2();
    else
        controls.selectOption1();
    checkLayout(controls, vars);
    for (std::size_t index = 0; index < texts.size(); ++index)
        controls.setText(int(index) + 1, texts[index]);
    RunOutcome outcome;
    runCommand(
        controls, vars, locale, [](std::string_view) {}, outcome);
    return outcome;
}
