#include "core/conversation/conversation.h"

#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "core/conversation/overloaded.h"
#include "core/conversation/recorder.h"
#include "core/design/equation_window_design.h"
#include "core/design/message_boxes.h"
#include "core/numbers/trimmed.h"
#include "core/solving/form_commands.h"

namespace {

// Whether an event is one of the Practice window's.
template <typename Of, typename Variant> struct IsAlternative;
template <typename Of, typename... Alternatives>
struct IsAlternative<Of, std::variant<Alternatives...>>
    : std::bool_constant<(std::is_same_v<Of, Alternatives> || ...)> {};
template <typename Of>
concept PracticeEventOf = IsAlternative<Of, PracticeEvent>::value;

bool showsBox(const Effect& effect) {
    return std::holds_alternative<show::Box>(effect);
}

// A front-end that stays after the end (a page) says the line, with the focus on the way to
// start again, not left on a control that has gone.
Reply ending() {
    const show::End end{"Velmora has ended.", "Start it again"};
    return {end, show::Announcement{end.line}, show::Focus{show::End::startAgainName}};
}

} // namespace

Conversation::Conversation(const TextMeasure* measure)
    : m_measure(measure ? *measure : m_estimate) {}

Reply Conversation::handle(const Event& event) {
    const overloaded answerTo{
        [this](const event::Load& load) {
            m_entropy = load.entropy;
            return this->load();
        },
        [this](const event::Command& pressed) { return command(pressed.command, pressed.origin); },
        [this](const event::Answer& answered) { return answer(answered.button); },
        [this](const event::Edit& edit) {
            m_window.setText(edit.textIndex, edit.text);
            return Reply{};
        },
        [this](const event::Choose& choice) {
            if (choice.option == 1)
                m_window.selectOption1();
            else
                m_window.selectOption2();
            return Reply{};
        },
        [this](const event::WindowClosed& /*closed*/) { return windowClosed(); },
        [this](const event::InfoWindowClosed& /*closed*/) {
            return std::exchange(m_infoOpen, false) ? focusBack(m_infoOrigin) : Reply{};
        },
        [this](const event::WorkingWindowClosed& /*closed*/) {
            return focusBack(m_working.close());
        },
        [this](const event::EquationEdit& edit) { return editEquation(edit.text); },
        [this](const event::SolveEquation& /*solve*/) { return solveEquation(); },
        [this](const event::EquationClosed& /*closed*/) { return closeEquation(); },
        [this](const event::ChooseMethod& choice) { return chooseMethod(choice.method); },
        [this]<PracticeEventOf Practice>(const Practice& event) { return practice(event); },
    };
    Reply reply = std::visit(answerTo, event);
    keepScreenReaderCurrent(reply);
    return reply;
}

Reply Conversation::load() {
    Recorder window(m_window, m_measure);
    window.reply.push_back(show::Box{welcomeBox});
    hideControlsOnLoad(window, m_vars);
    window.reply.push_back(show::Window{});
    // The first control in tab order that can take the focus once the boxes are hidden.
    window.reply.push_back(show::Focus{"Option1"});
    return deliver(std::move(window.reply));
}

std::string Conversation::buttonOf(Command command) {
    for (const ControlDesign& row : mainWindowDesign().controls)
        if (row.command == command)
            return row.name;
    return {};
}

Reply Conversation::command(Command command, std::string_view origin) {
    if (m_window.ended() || m_boxOpen)
        return {};
    m_boxOrigin = origin.empty() ? buttonOf(command) : std::string(origin);
    Recorder window(m_window, m_measure);
    switch (command) {
    case Command::Run:
        return run(); // with a recorder of its own
    case Command::Check:
        layOut(window);
        m_working.follow(window.reply, workingSource());
        // The user starts typing where the tab order starts; with no option chosen there is no
        // box to type in.
        if (m_window.option1Selected() || m_window.option2Selected())
            window.reply.push_back(show::Focus{textName(1)});
        break;
    case Command::ClearFields:
        clearFields(window, m_vars);
        m_lastRun = RunOutcome{};
        m_typedSteps.clear();
        m_working.forgetPrepared();
        m_working.follow(window.reply, workingSource());
        break;
    case Command::Exit:
        // At once and without asking.
        window.reply = ending();
        break;
    case Command::Info:
        m_infoOpen = true;
        m_infoOrigin = m_boxOrigin;
        window.reply.push_back(show::InfoWindow{});
        break;
    case Command::FileExit:
        m_question = Question::Quit;
        window.reply.push_back(show::Box{quitBox});
        break;
    case Command::ShowWorking:
        if (m_window.workingEnabled()) {
            m_working.open(m_boxOrigin);
            m_working.follow(window.reply, workingSource());
        }
        break;
    case Command::TypeEquation:
        return typeEquation();
    case Command::Practice:
        readNumberLocale();
        window.reply = m_practice.open(m_entropy, m_locale, m_boxOrigin);
        break;
    case Command::HelpAbout:
        window.reply.push_back(show::Box{aboutBox});
        window.reply.push_back(show::Focus{m_boxOrigin});
        break;
    case Command::None:
        break;
    }
    return deliver(std::move(window.reply));
}

void Conversation::layOut(Recorder& window) {
    if (m_window.option1Selected() || m_window.option2Selected())
        m_layoutResults = m_window.option1Selected() ? &equationResults : &systemResults;
    checkLayout(window, m_vars);
    m_lastRun = RunOutcome{};
    m_typedSteps.clear();
    m_working.forgetPrepared();
}

void Conversation::readNumberLocale() {
    if (m_readLocale) {
        m_locale = std::exchange(m_readLocale, nullptr)();
        m_working.forgetPrepared();
    }
}

Reply Conversation::run(std::vector<std::string> typedSteps) {
    m_typedSteps = std::move(typedSteps);
    m_working.forgetPrepared();
    readNumberLocale();
    Recorder window(m_window, m_measure);
    runCommand(
        window, m_vars, m_locale,
        [&window](std::string_view text) { window.reply.push_back(show::Box{warningBox(text)}); },
        m_lastRun);
    if (window.reply.empty())
        return {}; // no mode chosen: nothing was solved
    // From the first run on, the working can be opened.
    if (!m_window.workingEnabled())
        window.reply.push_back(show::WorkingItem{true});
    m_working.follow(window.reply, workingSource());
    if (std::any_of(window.reply.begin(), window.reply.end(), showsBox)) {
        // After a warning nothing more is said: the box speaks for itself.
        window.reply.push_back(show::Focus{m_boxOrigin});
        return deliver(std::move(window.reply));
    }
    Reply reply = deliver(std::move(window.reply));
    show::Announcement sentence{announcement()};
    m_window.follow(sentence);
    reply.push_back(std::move(sentence));
    return reply;
}

Reply Conversation::answer(BoxButton button) {
    if (!m_boxOpen)
        return {};
    m_boxOpen = false;
    Reply rest = std::exchange(m_afterBox, {});
    if (std::exchange(m_question, Question::None) == Question::Quit) {
        if (button == BoxButton::Yes)
            rest = ending();
        else if (!m_boxOrigin.empty())
            rest = {show::Focus{m_boxOrigin}};
    }
    return deliver(std::move(rest));
}

Reply Conversation::chooseMethod(WorkingMethod method) {
    if (m_window.ended() || m_boxOpen)
        return {};
    return deliver(m_working.choose(method, workingSource()));
}

const show::Working* Conversation::preparedWorking() const {
    return m_working.prepared();
}

void Conversation::prepareWorking() {
    if (!m_window.ended())
        m_working.prepare(workingSource());
}

Reply Conversation::typeEquation() {
    readNumberLocale();
    return deliver(m_equation.open(m_boxOrigin, m_window.equationOpen(), m_locale));
}

Reply Conversation::editEquation(std::string text) {
    if (m_window.ended() || m_boxOpen || !m_window.equationOpen())
        return {};
    readNumberLocale();
    return deliver(m_equation.edit(std::move(text), m_locale));
}

Reply Conversation::closeEquation() {
    if (m_window.ended() || m_boxOpen || !m_window.equationOpen())
        return {};
    return deliver(m_equation.close());
}

Reply Conversation::solveEquation() {
    if (m_window.ended() || m_boxOpen || !m_window.equationOpen())
        return {};
    readNumberLocale();
    EquationReading reading = m_equation.read(m_locale);
    // Refused, nothing else changes.
    if (!reading.accepted)
        return deliver(m_equation.refuse(m_locale));

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

Reply Conversation::windowClosed() {
    if (!m_infoOpen || m_window.ended())
        return {};
    return {show::InfoWindowBack{}};
}

Reply Conversation::practice(const PracticeEvent& event) {
    if (m_window.ended())
        return {};
    if (std::holds_alternative<event::PracticeClosed>(event) && m_practice.isOpen()) {
        m_practice.handle(event);
        return focusBack(m_practice.origin());
    }
    return deliver(m_practice.handle(event));
}

Reply Conversation::focusBack(const std::string& origin) {
    // A box open holds the focus; its answer says where it goes.
    if (origin.empty() || m_window.ended() || m_boxOpen)
        return {};
    return deliver({show::Focus{origin}});
}

Reply Conversation::deliver(Reply reply) {
    const auto box = std::find_if(reply.begin(), reply.end(), showsBox);
    if (box != reply.end()) {
        m_afterBox.assign(std::next(box), reply.end());
        reply.erase(std::next(box), reply.end());
        m_boxOpen = true;
    }
    m_window.follow(reply);
    return reply;
}

void Conversation::keepScreenReaderCurrent(Reply& reply) {
    // Once the program has ended, the ended line is the last thing heard.
    if (m_window.ended())
        return;
    Reply said;
    if (m_layoutResults) {
        const struct {
            int box, label;
            const char* layoutCaption;
        } results[] = {{role::firstResultBox, role::firstCaption, m_layoutResults->first},
                       {role::secondResultBox, role::secondCaption, m_layoutResults->second}};
        for (const auto& [index, label, layoutCaption] : results) {
            const std::string caption = m_window.caption(label);
            const std::string name = caption.empty() ? layoutCaption : caption;
            if (name != m_window.boxName(index))
                said.push_back(show::BoxName{index, name});
        }
    }
    // The last run's sentence stays heard only while the window says it: a warning that empties
    // the results, "clear fields" or "CHECK!" empties it too. A reply that says something new
    // has already replaced it.
    const bool speaks = std::any_of(reply.begin(), reply.end(), [](const Effect& effect) {
        return std::holds_alternative<show::Announcement>(effect);
    });
    if (!speaks && !m_window.lastAnnouncement().empty() &&
        announcement() != m_window.lastAnnouncement())
        said.push_back(show::Announcement{""});
    m_window.follow(said);
    reply.insert(reply.begin(), said.begin(), said.end());
}

std::string Conversation::announcement() const {
    std::string sentence = m_window.caption(role::statusLine);
    std::string results;
    for (const BoxCaption& pair : boxCaptions) {
        const std::string text = m_window.text(pair.text);
        const std::string_view shown = trimmed(text, " ");
        if (pair.text < role::determinantBox || !m_window.textVisible(pair.text) || shown.empty())
            continue;
        results += results.empty() ? "" : ", ";
        results += m_window.caption(pair.label) + " " + std::string(shown);
    }
    if (!sentence.empty() && !results.empty())
        sentence += ' ';
    return sentence + results;
}
