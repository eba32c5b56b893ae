#pragma once

#include <string>
#include <variant>

#include "core/design/main_window_design.h"
#include "core/working/working.h"

// The button of a message box that the user answered it with.
enum class BoxButton { Ok, Yes, No };

// What the user does to the program, as the front-ends read it where it happens: plain values,
// which a test or a fuzzer can keep, replay and compare.
namespace event {

// The program starts.
struct Load {};
// A button or menu item. origin names the control that had the keyboard focus, where it returns
// when a box the command shows is answered; empty for the command's own button.
struct Command {
    ::Command command;
    std::string origin = {};
};
// The open message box is answered.
struct Answer {
    BoxButton button;
};
// Text(textIndex) has been edited, as it happens.
struct Edit {
    int textIndex;
    std::string text;
};
// Option1 or Option2 has been chosen.
struct Choose {
    int option;
};
// A way of working chosen in the "Working" window.
struct ChooseMethod {
    WorkingMethod method;
};
// The main window's close box.
struct WindowClosed {};
struct InfoWindowClosed {};
struct WorkingWindowClosed {};
// The "Equation" box: its text edited, as it happens; "Solve" or Enter; "Cancel", Escape or its
// close box.
struct EquationEdit {
    std::string text;
};
struct SolveEquation {};
struct EquationClosed {};

} // namespace event

using Event = std::variant<event::Load, event::Command, event::Answer, event::Edit, event::Choose,
                           event::WindowClosed, event::InfoWindowClosed, event::WorkingWindowClosed,
                           event::ChooseMethod, event::EquationEdit, event::SolveEquation,
                           event::EquationClosed>;
