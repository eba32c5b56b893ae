// The "Equation" box's side of the conversation: the pupil's text read as it is typed.

#include "core/conversation/equation_box.h"

#include <utility>

#include "core/conversation/reading_shown.h"
#include "core/design/equation_window_design.h"

Reply EquationBox::open(std::string origin, bool alreadyOpen, const NumberLocale& locale) {
    if (!alreadyOpen) {
        m_origin = std::move(origin);
        m_refused = false;
    }
    return {show::EquationWindow{m_text}, shown(locale),
            show::Focus{equationWindowDesign.textName}};
}

Reply EquationBox::edit(std::string text, const NumberLocale& locale) {
    m_text = std::move(text);
    return {shown(locale)};
}

Reply EquationBox::refuse(const NumberLocale& locale) {
    // The reading says why beside the text the pupil mends, and is said once, now, rather than
    // at each keystroke.
    m_refused = true;
    show::EquationReading refused = shown(locale);
    refused.spoken = true;
    return {std::move(refused), show::Focus{equationWindowDesign.textName}};
}

Reply EquationBox::close() const {
    Reply reply{show::EquationWindowClosed{}};
    if (!m_origin.empty())
        reply.push_back(show::Focus{m_origin});
    return reply;
}

EquationReading EquationBox::read(const NumberLocale& locale) const {
    return readEquation(m_text, locale);
}

show::EquationReading EquationBox::shown(const NumberLocale& locale) {
    show::EquationReading shown = shownReading(m_text, read(locale));
    // Marked invalid from a refused Solve until the text reads; never while it is first typed.
    m_refused = m_refused && !shown.accepted;
    shown.invalid = m_refused;
    return shown;
}
