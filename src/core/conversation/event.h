#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "core/design/main_window_design.h"
#include "core/working/working.h"

// The button of a message box that the user answered it with.
enum class BoxButton { Ok, Yes, No };

// What the user does to the program, as the front-ends read it where it happens: plain values,
// which a test or a fuzzer can keep, replay and compare.
namespace event {

// The program starts. entropy: the front-end's random source, from which the Practice window's
// sheets take their seeds.
struct Load {
    std::uint64_t entropy = 0;
};
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

// The "Practice" window: a kind of exercise, its numbers or a way of working chosen by its index
// in the window's list; the sheet's length; the code box and the answer box edited, as it
// happens; "New exercise"; "Check" or Enter in the answer; "Show the working"; "Print sheet…"
// with the key's working or without; the window closed, by its close box or Escape.
struct PracticeKindChosen {
    int index;
};
struct PracticeLevelChosen {
    int index;
};
struct PracticeMethodChosen {
    WorkingMethod method;
};
struct SheetLengthChosen {
    int count;
};
struct SheetCodeEdit {
    std::string text;
};
struct NewExercise {};
struct AnswerEdit {
    std::string text;
};
struct CheckAnswer {};
struct ShowPracticeWorking {};
struct PrintSheet {
    bool withWorking;
};
struct PracticeClosed {};

} // namespace event

// The Practice window's events, which its part of the conversation answers.
using PracticeEvent =
    std::variant<event::PracticeKindChosen, event::PracticeLevelChosen, event::PracticeMethodChosen,
                 event::SheetLengthChosen, event::SheetCodeEdit, event::NewExercise,
                 event::AnswerEdit, event::CheckAnswer, event::ShowPracticeWorking,
                 event::PrintSheet, event::PracticeClosed>;

using Event =
    std::variant<event::Load, event::Command, event::Answer, event::Edit, event::Choose,
                 event::WindowClosed, event::InfoWindowClosed, event::WorkingWindowClosed,
                 event::ChooseMethod, event::EquationEdit, event::SolveEquation,
                 event::EquationClosed, event::PracticeKindChosen, event::PracticeLevelChosen,
                 event::PracticeMethodChosen, event::SheetLengthChosen, event::SheetCodeEdit,
                 event::NewExercise, event::AnswerEdit, event::CheckAnswer,
                 event::ShowPracticeWorking, event::PrintSheet, event::PracticeClosed>;
