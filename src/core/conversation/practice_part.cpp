#include "core/conversation/practice_part.h"

#include <memory>
#include <utility>

#include "core/conversation/overloaded.h"

Reply PracticePart::open(std::uint64_t entropy, const NumberLocale& locale, std::string origin) {
    if (!m_session)
        m_session.emplace(entropy, locale);
    m_open = true;
    m_origin = std::move(origin);
    // Opened, the window is heard by its title and the control the focus is in.
    return {show::PracticeShown{std::make_shared<const PracticeView>(m_session->view())},
            show::PracticeWindow{}, show::PracticeFocus{m_session->focus()}};
}

Reply PracticePart::handle(const PracticeEvent& event) {
    if (!m_open)
        return {};
    if (const auto* print = std::get_if<event::PrintSheet>(&event))
        return {show::PrintedSheet{m_session->printed(print->withWorking)}};
    if (std::holds_alternative<event::PracticeClosed>(event)) {
        m_open = false;
        return {};
    }
    PracticeSession& session = *m_session;
    const overloaded act{
        [&session](const event::PracticeKindChosen& chosen) { session.chooseKind(chosen.index); },
        [&session](const event::PracticeLevelChosen& chosen) { session.chooseLevel(chosen.index); },
        [&session](const event::PracticeMethodChosen& chosen) {
            session.chooseMethod(chosen.method);
        },
        [&session](const event::SheetLengthChosen& chosen) {
            session.chooseSheetLength(chosen.count);
        },
        [&session](const event::SheetCodeEdit& edit) { session.editCode(edit.text); },
        [&session](const event::NewExercise& /*next*/) { session.newExercise(); },
        [&session](const event::AnswerEdit& edit) { session.editAnswer(edit.text); },
        [&session](const event::CheckAnswer& /*check*/) { session.checkAnswer(); },
        [&session](const event::ShowPracticeWorking& /*show*/) { session.showWorking(); },
        // Answered above: neither changes the session.
        [](const event::PrintSheet& /*print*/) {},
        [](const event::PracticeClosed& /*closed*/) {},
    };
    std::visit(act, event);
    return shown();
}

Reply PracticePart::shown() const {
    Reply reply{show::PracticeShown{std::make_shared<const PracticeView>(m_session->view())},
                show::PracticeFocus{m_session->focus()}};
    if (!m_session->announcement().empty())
        reply.push_back(show::PracticeAnnouncement{m_session->announcement()});
    return reply;
}
