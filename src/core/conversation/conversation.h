#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/conversation/equation_box.h"
#include "core/conversation/event.h"
#include "core/conversation/practice_part.h"
#include "core/conversation/reply.h"
#include "core/conversation/window_model.h"
#include "core/conversation/working_part.h"
#include "core/design/main_window_design.h"
#include "core/design/text_measure.h"
#include "core/numbers/numbers.h"
#include "core/solving/form_variables.h"
#include "core/solving/run_outcome.h"

// The program's side of every exchange with the user. Every event goes in through one call,
// and its reply says what to show, in order; an edit or a choice of option shows nothing. No
// call waits: a reply that shows a message box ends with it, and the rest of the command comes
// in the reply to the box's answer.
//
// The window's state lives here, in a plain model that follows every reply: the front-ends
// report each edit of a box and each option chosen, and read nothing back from their controls.
// The "Working" window, the "Equation" box and the Practice window are parts of their own, which
// the conversation asks and whose replies it delivers.
class Conversation {
public:
    // measure: the front-end's fonts; without one, an estimate from the design.
    explicit Conversation(const TextMeasure* measure = nullptr);

    // How to learn the user's number format from the platform. It is learnt once, where a run
    // first needs it, or when the front-end calls readNumberLocale() (when the page is idle): a
    // browser's first look at it takes tens of milliseconds, and nothing before the first run
    // needs it.
    void setNumberLocale(std::function<NumberLocale()> read) { m_readLocale = std::move(read); }
    void readNumberLocale();

    Reply handle(const Event& event);

    // Makes the working of the last run ahead, where the "Working" window is not open: the page
    // calls it when idle, and a "Show working" that follows shows it at once. A later run, a new
    // number format or another method makes it again when asked for.
    void prepareWorking();
    // What prepareWorking made, while it is current; null where there is none.
    const show::Working* preparedWorking() const;

    const WindowModel& window() const { return m_window; }
    // The Practice window's session; null before the window is first opened.
    const PracticeSession* practice() const { return m_practice.session(); }
    const FormVariables& variables() const { return m_vars; }
    bool boxOpen() const { return m_boxOpen; }

private:
    class Recorder;
    enum class Question { None, Quit };

    // The name of the button that sends a command, where the focus returns after its box.
    static std::string buttonOf(Command command);
    // The program starts: the welcome box, then the window laid out for its first use.
    Reply load();
    Reply command(Command command, std::string_view origin);
    // "CHECK!": the boxes of the chosen mode laid out and emptied.
    void layOut(Recorder& window);
    // typedSteps: the rearranging of the typed equation the run solves; none from the boxes.
    Reply run(std::vector<std::string> typedSteps = {});
    // The "Equation" box: opened with the text it kept, read as it is typed, solved in the main
    // window as the pupil would by hand, or closed with nothing changed.
    Reply typeEquation();
    Reply editEquation(std::string text);
    Reply solveEquation();
    Reply closeEquation();
    Reply answer(BoxButton button);
    // The way the working is made for runs of this kind from now on, where it applies.
    Reply chooseMethod(WorkingMethod method);
    Reply windowClosed();
    Reply practice(const PracticeEvent& event);
    // A window of the program's own has closed: the focus goes back to the control it was asked
    // for from, if any.
    Reply focusBack(const std::string& origin);
    // Takes the reply up to its box, if it has one, keeps the rest for the answer, and brings
    // the model up to what is shown.
    Reply deliver(Reply reply);
    std::string announcement() const;
    // What a screen reader is left with after a reply: the result boxes named, and no sentence
    // that the window no longer says. Put first in the reply, before any box.
    void keepScreenReaderCurrent(Reply& reply);
    // What the working of the last run is made from.
    WorkingPart::Source workingSource() const { return {m_lastRun, m_locale, m_typedSteps}; }

    EstimatedMeasure m_estimate;
    const TextMeasure& m_measure;
    WindowModel m_window;
    FormVariables m_vars;
    NumberLocale m_locale;
    std::function<NumberLocale()> m_readLocale;
    Reply m_afterBox;
    Question m_question = Question::None;
    std::string m_boxOrigin;
    bool m_boxOpen = false;
    bool m_infoOpen = false;
    std::string m_infoOrigin; // where the focus goes back when the window closes
    RunOutcome m_lastRun; // its mode is None until a run, and again after CHECK! or clear fields
    const ResultCaptions* m_layoutResults = nullptr; // the layout CHECK! laid out, if any
    // The rearranging of the typed equation the last run solved, for the start of its working;
    // empty where the run came from the boxes.
    std::vector<std::string> m_typedSteps;
    std::uint64_t m_entropy = 0; // the front-end's, handed in with the load
    WorkingPart m_working;
    EquationBox m_equation;
    PracticePart m_practice;
};
