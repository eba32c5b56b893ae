#pragma once

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "core/design/message_boxes.h"
#include "core/practice/practice_session.h"
#include "core/working/figure.h"
#include "core/working/working.h"

// What the program shows in answer to one event, in the order it does it. Each front-end
// renders these and decides nothing of its own: the core has already chosen the order, the
// focus and what a screen reader hears.
namespace show {

// Text(index). A result cut by its box offers its whole text (tooltip, screen reader); empty
// where it fits.
struct Text {
    int index;
    std::string text;
    std::string whole;
    friend bool operator==(const Text&, const Text&) = default;
};
struct TextVisible {
    int index;
    bool visible;
    friend bool operator==(const TextVisible&, const TextVisible&) = default;
};
// Label(index)
struct Caption {
    int index;
    std::string caption;
    friend bool operator==(const Caption&, const Caption&) = default;
};
struct LabelVisible {
    int index;
    bool visible;
    friend bool operator==(const LabelVisible&, const LabelVisible&) = default;
};
// Command1 to Command3
struct CommandEnabled {
    int index;
    bool enabled;
    friend bool operator==(const CommandEnabled&, const CommandEnabled&) = default;
};
// A message box, always last in its reply: what follows comes in the reply to its answer. It
// keeps its own text, as a fault's message does not outlive the command.
struct Box {
    explicit Box(const MessageBoxDesign& shown)
        : icon(shown.icon), title(shown.title), text(shown.text), buttons(shown.buttons) {}
    MessageBoxDesign design() const { return {icon, title, text, buttons}; }

    MessageIcon icon;
    std::string title;
    std::string text;
    MessageButtons buttons;
    friend bool operator==(const Box&, const Box&) = default;
};
// The control, by its name ("Option1", "Text(1)"), that takes the keyboard focus.
struct Focus {
    std::string control;
    friend bool operator==(const Focus&, const Focus&) = default;
};
// What a screen reader calls a result box, whose caption a run may leave empty: its caption, or
// where that is empty, the caption the layout gives it ("x2=" beside a double root).
struct BoxName {
    int index;
    std::string name;
    friend bool operator==(const BoxName&, const BoxName&) = default;
};
// One sentence for a screen reader, spoken once; empty, the last one no longer holds.
struct Announcement {
    std::string text;
    friend bool operator==(const Announcement&, const Announcement&) = default;
};
// The main window, shown once the welcome box is answered.
struct Window {
    friend bool operator==(const Window&, const Window&) = default;
};
// The information window, created if it is not open, and brought to the front.
struct InfoWindow {
    friend bool operator==(const InfoWindow&, const InfoWindow&) = default;
};
// The main window has closed while the information window is open: a minimised one comes back,
// so that the running program is not left out of sight.
struct InfoWindowBack {
    friend bool operator==(const InfoWindowBack&, const InfoWindowBack&) = default;
};
// The "Working" window, opened if it is not, with how the last run came out: the ways of working
// its kind offers (greyed with a reason where one does not apply), the one it is worked by, its
// text and its graph. It follows every later run while it is open.
struct Working {
    std::string text;
    // Held apart: a figure is a few hundred bytes, and every effect is as large as the largest.
    std::shared_ptr<const Figure> figure;
    std::vector<MethodChoice> methods; // none before a run or after a warning
    WorkingMethod method = WorkingMethod::Formula;
    friend bool operator==(const Working& a, const Working& b) {
        return a.text == b.text && *a.figure == *b.figure && a.methods == b.methods &&
               a.method == b.method;
    }
};
// Whether the context menus' "Show working" can be chosen: not before the first run.
struct WorkingItem {
    bool enabled;
    friend bool operator==(const WorkingItem&, const WorkingItem&) = default;
};
// An option button chosen by the program, as the pupil would click it: the "Equation" box solves
// what it reads in the mode it reads.
struct OptionSelected {
    int option;
    friend bool operator==(const OptionSelected&, const OptionSelected&) = default;
};
// The "Equation" box, opened if it is not, and brought to the front, with its text as the pupil
// left it.
struct EquationWindow {
    std::string text;
    friend bool operator==(const EquationWindow&, const EquationWindow&) = default;
};
// What the "Equation" box reads in its text, or in plain words what it cannot read. Shown under
// the text and given to a screen reader as the text box's description, not spoken as it changes.
struct EquationReading {
    bool accepted = false;
    std::string message;
    // Where it cannot read: the line holding the place, cut around it, to show it marked; empty
    // where it reads.
    std::string before, marked, after;
    // The place in the whole text, counted in UTF-16 code units as both front-ends count text.
    int markStart = 0, markLength = 0;
    // Solve was refused and the text still does not read: the box is marked invalid.
    bool invalid = false;
    // Solve was refused just now: the message is spoken, once.
    bool spoken = false;
    friend bool operator==(const EquationReading&, const EquationReading&) = default;
};
// The "Practice" window, created if it is not, and brought to the front. It is made once for the
// program's run and keeps its count of answers while hidden. Its view comes before it, so that
// it is placed at the size of its content.
struct PracticeWindow {
    friend bool operator==(const PracticeWindow&, const PracticeWindow&) = default;
};
// The Practice window as it stands, shown whole. Held apart, as a view is a kilobyte or so.
struct PracticeShown {
    std::shared_ptr<const PracticeView> view;
    friend bool operator==(const PracticeShown& a, const PracticeShown& b) {
        return *a.view == *b.view;
    }
};
// The Practice window's control, by its name, that takes the keyboard focus there.
struct PracticeFocus {
    std::string control;
    friend bool operator==(const PracticeFocus&, const PracticeFocus&) = default;
};
// One sentence about the Practice window for a screen reader, spoken once.
struct PracticeAnnouncement {
    std::string text;
    friend bool operator==(const PracticeAnnouncement&, const PracticeAnnouncement&) = default;
};
// The teacher's sheet and its key, to print: plain HTML that Qt and browsers print alike.
struct PrintedSheet {
    std::string html;
    friend bool operator==(const PrintedSheet&, const PrintedSheet&) = default;
};
struct EquationWindowClosed {
    friend bool operator==(const EquationWindowClosed&, const EquationWindowClosed&) = default;
};
// The program has ended. A front-end that cannot close itself shows the line and a way to start
// again, named startAgainName, where the focus goes next.
struct End {
    static constexpr const char* startAgainName = "StartAgain";
    std::string line;
    std::string startAgain;
    friend bool operator==(const End&, const End&) = default;
};

} // namespace show

using Effect =
    std::variant<show::Text, show::TextVisible, show::Caption, show::LabelVisible,
                 show::CommandEnabled, show::Box, show::Focus, show::BoxName, show::Announcement,
                 show::Window, show::InfoWindow, show::InfoWindowBack, show::Working,
                 show::WorkingItem, show::OptionSelected, show::EquationWindow,
                 show::EquationReading, show::EquationWindowClosed, show::PracticeWindow,
                 show::PracticeShown, show::PracticeFocus, show::PracticeAnnouncement,
                 show::PrintedSheet, show::End>;
using Reply = std::vector<Effect>;
