// The "Equation" box's side of the conversation: the pupil's text read as it is typed, and
// solved in the main window by the same steps as by hand.

#include <cstddef>
#include <utility>

#include "core/conversation/conversation.h"
#include "core/conversation/reading_shown.h"
#include "core/conversation/recorder.h"
#include "core/design/equation_window_design.h"
#include "core/typing/equation_reading.h"

show::EquationReading Conversation::readTypedEquation() {
    readNumberLocale();
    show::EquationReading shown =
        shownReading(m_equationText, readEquation(m_equationText, m_locale));
    // Marked invalid from a refused Solve until the text reads; never while it is first typed.
    m_equationRefused = m_equationRefused && !shown.accepted;
    shown.invalid = m_equationRefused;
    return shown;
}

Reply Conversation::typeEquation() {
    if (!m_window.equationOpen()) {
        m_equationOrigin = m_boxOrigin;
        m_equationRefused = false;
    }
    return deliver({show::EquationWindow{m_equationText}, readTypedEquation(),
                    show::Focus{equationWindowDesign.textName}});
}

Reply Conversation::editEquation(std::string text) {
    if (m_window.ended() || m_boxOpen || !m_window.equationOpen())
        return {};
    m_equationText = std::move(text);
    return deliver({readTypedEquation()});
}

Reply Conversation::closeEquation() {
    if (m_window.ended() || m_boxOpen || !m_window.equationOpen())
        return {};
    Reply reply{show::EquationWindowClosed{}};
    if (!m_equationOrigin.empty())
        reply.push_back(show::Focus{m_equationOrigin});
    return deliver(std::move(reply));
}

Reply Conversation::solveEquation() {
    if (m_window.ended() || m_boxOpen || !m_window.equationOpen())
        return {};
    readNumberLocale();
    EquationReading reading = readEquation(m_equationText, m_locale);
    // Refused, nothing else changes: the reading says why beside the text the pupil mends, and
    // is said once, now, rather than at each keystroke.
    if (!reading.accepted) {
        m_equationRefused = true;
        show::EquationReading refused = readTypedEquation();
        refused.spoken = true;
        return deliver({std::move(refused), show::Focus{equationWindowDesign.textName}});
    }

    // The pupil's own steps: the mode chosen, "CHECK!", the coefficients typed, "run".
    Reply reply =
        deliver({show::EquationWindowClosed{}, show::OptionSelected{reading.system ? 2 : 1}});
    Recorder window(m_window, m_measure);
    layOut(window);
    for (std::size_t box = 0; box < reading.boxes.size(); ++box)
        window.setText(int(box) + 1, reading.boxes[box]);
    // As though "run" had been clicked: a warning gives the focus back to it.
    m_boxOrigin = buttonOf(Command::Run);
    window.reply.push_back(show::Focus{m_boxOrigin});
    Reply laidOut = deliver(std::move(window.reply));
    reply.insert(reply.end(), laidOut.begin(), laidOut.end());
    Reply ran = run(std::move(reading.steps));
    reply.insert(reply.end(), ran.begin(), ran.end());
    return reply;
}
