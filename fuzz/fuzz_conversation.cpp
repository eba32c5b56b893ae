// Whole conversations: the input is a sequence of the user's events (the program starting,
// commands, edits, answers to boxes, options and ways of working chosen, windows closed, the
// Practice window's choices, answers and prints), each sent to Conversation.
// After each one, a reply holds at most one box, which ends it, and a model of its own that
// follows every reply, edit and option chosen shows exactly the conversation's window.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/conversation/conversation.h"
#include "core/conversation/overloaded.h"
#include "core/conversation/window_model.h"
#include "core/design/main_window_design.h"
#include "fuzz_support.h"

namespace {

// Reads the input a byte at a time; past its end every byte is zero.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // A number from 0 to count - 1.
    int pick(int count) { return byte() % count; }
    // A text of up to 15 characters, its length first. The characters are those of number
    // texts, so that runs reach the solvers; the number target tries every other byte.
    std::string text() {
        constexpr std::string_view characters = "0123456789.,-+E $&H\t";
        std::string text;
        for (int length = pick(16); length > 0 && !atEnd(); --length)
            text += characters[std::size_t(pick(int(characters.size())))];
        return text;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// The controls a command can come from with the focus on them, and the command's own button.
std::vector<std::string> origins() {
    std::vector<std::string> names{""};
    for (const ControlDesign& row : mainWindowDesign().controls)
        names.emplace_back(row.name);
    return names;
}

Event decodeEvent(InputReader& input) {
    static const std::vector<std::string> names = origins();
    switch (input.pick(std::variant_size_v<Event>)) {
    case 0:
        return event::Load{input.byte()};
    case 1: {
        const auto command = ::Command(input.pick(int(::Command::Practice) + 1));
        return event::Command{command, names[std::size_t(input.pick(int(names.size())))]};
    }
    case 2: {
        const int index = 1 + input.pick(textCount);
        return event::Edit{index, input.text()};
    }
    case 3:
        return event::Answer{BoxButton(input.pick(3))};
    case 4:
        return event::Choose{1 + input.pick(optionCount)};
    case 5:
        return event::WindowClosed{};
    case 6:
        return event::InfoWindowClosed{};
    case 7:
        return event::WorkingWindowClosed{};
    case 8:
        return event::ChooseMethod{WorkingMethod(input.pick(int(WorkingMethod::Substitution) + 1))};
    case 9:
        return event::EquationEdit{input.text()};
    case 10:
        return event::SolveEquation{};
    case 11:
        return event::EquationClosed{};
    // Past either end of its lists too.
    case 12:
        return event::PracticeKindChosen{input.pick(11) - 1};
    case 13:
        return event::PracticeLevelChosen{input.pick(5) - 1};
    case 14:
        return event::PracticeMethodChosen{
            WorkingMethod(input.pick(int(WorkingMethod::Substitution) + 1))};
    case 15:
        return event::SheetLengthChosen{input.pick(100) - 1};
    case 16:
        return event::SheetCodeEdit{input.text()};
    case 17:
        return event::NewExercise{};
    case 18:
        return event::AnswerEdit{input.text()};
    case 19:
        return event::CheckAnswer{};
    case 20:
        return event::ShowPracticeWorking{};
    case 21:
        return event::PrintSheet{input.pick(2) == 1};
    default:
        return event::PracticeClosed{};
    }
}

// What the user's own event changes in a front-end's window, before any reply.
void followUser(ControlModel& window, const Event& event) {
    if (const auto* edit = std::get_if<event::Edit>(&event))
        window.setText(edit->textIndex, edit->text);
    if (const auto* choice = std::get_if<event::Choose>(&event)) {
        if (choice->option == 1)
            window.selectOption1();
        else
            window.selectOption2();
    }
}

std::string describe(const Event& event) {
    const overloaded describeOne{
        [](const event::Load&) -> std::string { return "load"; },
        [](const event::Command& pressed) -> std::string {
            return "command " + std::to_string(int(pressed.command)) + " from " +
                   quoted(pressed.origin);
        },
        [](const event::Answer& answered) -> std::string {
            return "answer " + std::to_string(int(answered.button));
        },
        [](const event::Edit& edit) -> std::string {
            return "edit Text(" + std::to_string(edit.textIndex) + ") " + quoted(edit.text);
        },
        [](const event::Choose& choice) -> std::string {
            return "choose Option" + std::to_string(choice.option);
        },
        [](const event::WindowClosed&) -> std::string { return "window closed"; },
        [](const event::InfoWindowClosed&) -> std::string { return "info window closed"; },
        [](const event::WorkingWindowClosed&) -> std::string { return "working window closed"; },
        [](const event::ChooseMethod& choice) -> std::string {
            return "choose method " + std::to_string(int(choice.method));
        },
        [](const event::EquationEdit& edit) -> std::string {
            return "equation edited " + quoted(edit.text);
        },
        [](const event::SolveEquation&) -> std::string { return "solve equation"; },
        [](const event::EquationClosed&) -> std::string { return "equation closed"; },
        [](const event::PracticeKindChosen& chosen) -> std::string {
            return "practice kind " + std::to_string(chosen.index);
        },
        [](const event::PracticeLevelChosen& chosen) -> std::string {
            return "practice level " + std::to_string(chosen.index);
        },
        [](const event::PracticeMethodChosen& chosen) -> std::string {
            return "practice method " + std::to_string(int(chosen.method));
        },
        [](const event::SheetLengthChosen& chosen) -> std::string {
            return "sheet length " + std::to_string(chosen.count);
        },
        [](const event::SheetCodeEdit& edit) -> std::string {
            return "sheet code edited " + quoted(edit.text);
        },
        [](const event::NewExercise&) -> std::string { return "new exercise"; },
        [](const event::AnswerEdit& edit) -> std::string {
            return "answer edited " + quoted(edit.text);
        },
        [](const event::CheckAnswer&) -> std::string { return "check"; },
        [](const event::ShowPracticeWorking&) -> std::string { return "show the working"; },
        [](const event::PrintSheet& print) -> std::string {
            return std::string("print") + (print.withWorking ? " with the working" : "");
        },
        [](const event::PracticeClosed&) -> std::string { return "practice closed"; },
    };
    return std::visit(describeOne, event);
}

// The first thing two windows show differently, or the empty text where they show the same.
std::string difference(const WindowModel& expected, const WindowModel& shown) {
    const auto compare = [](const std::string& what, const auto& a, const auto& b) {
        if (a == b)
            return std::string();
        if constexpr (std::is_same_v<std::decay_t<decltype(a)>, bool>)
            return what + ": expected " + (a ? "true" : "false") + ", shown " +
                   (b ? "true" : "false");
        else
            return what + ": expected " + quoted(a) + ", shown " + quoted(b);
    };
    std::vector<std::string> found;
    for (int index = 1; index <= textCount; ++index) {
        const std::string name = "Text(" + std::to_string(index) + ")";
        found.push_back(compare(name, expected.text(index), shown.text(index)));
        found.push_back(
            compare(name + " whole", expected.wholeText(index), shown.wholeText(index)));
        found.push_back(
            compare(name + " visible", expected.textVisible(index), shown.textVisible(index)));
    }
    for (int index = 1; index <= labelCount; ++index) {
        const std::string name = "Label(" + std::to_string(index) + ")";
        found.push_back(compare(name, expected.caption(index), shown.caption(index)));
        found.push_back(
            compare(name + " visible", expected.labelVisible(index), shown.labelVisible(index)));
    }
    for (int index = 1; index <= commandCount; ++index)
        found.push_back(compare("Command" + std::to_string(index) + " enabled",
                                expected.commandEnabled(index), shown.commandEnabled(index)));
    found.push_back(compare("Option1", expected.option1Selected(), shown.option1Selected()));
    found.push_back(compare("Option2", expected.option2Selected(), shown.option2Selected()));
    found.push_back(compare("focus", expected.focus(), shown.focus()));
    found.push_back(compare("announcement", expected.lastAnnouncement(), shown.lastAnnouncement()));
    found.push_back(compare("window shown", expected.windowShown(), shown.windowShown()));
    found.push_back(compare("ended", expected.ended(), shown.ended()));
    found.push_back(compare("working text", expected.workingText(), shown.workingText()));
    found.push_back(compare("working item", expected.workingEnabled(), shown.workingEnabled()));
    found.push_back(compare("working method", std::to_string(int(expected.workingMethod())),
                            std::to_string(int(shown.workingMethod()))));
    found.push_back(compare("equation box", expected.equationOpen(), shown.equationOpen()));
    found.push_back(compare("equation reading", expected.equationReading().message,
                            shown.equationReading().message));
    const bool bothViews = expected.practiceView() && shown.practiceView();
    found.push_back(compare("practice view", bothViews || !expected.practiceView(),
                            bothViews || !shown.practiceView()));
    if (bothViews) {
        const PracticeView &a = *expected.practiceView(), &b = *shown.practiceView();
        found.push_back(
            compare("practice exercise", a.position + a.exercise, b.position + b.exercise));
        found.push_back(compare("practice answer", a.answer, b.answer));
        found.push_back(compare("practice code", a.code + a.codeMessage, b.code + b.codeMessage));
        found.push_back(compare("practice verdict", a.verdictText, b.verdictText));
        found.push_back(compare("practice count", a.count, b.count));
        found.push_back(compare("practice view whole", a == b, true));
    }
    found.push_back(compare("practice focus", expected.practiceFocus(), shown.practiceFocus()));
    found.push_back(compare("practice announcement", expected.practiceAnnouncement(),
                            shown.practiceAnnouncement()));
    found.push_back(compare("printed sheet", expected.printedSheet(), shown.printedSheet()));
    for (const std::string& one : found)
        if (!one.empty())
            return one;
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InputReader input(data, size);
    Conversation conversation;
    // A front-end's window, drawn from the replies alone.
    WindowModel drawn;
    std::string history;
    while (!input.atEnd()) {
        const Event event = decodeEvent(input);
        history += describe(event) + "\n";
        Reply reply;
        try {
            reply = conversation.handle(event);
        } catch (const std::exception& error) {
            require(false, "no exception leaves the conversation",
                    [&] { return history + error.what(); });
        }

        std::size_t boxes = 0;
        for (const Effect& effect : reply)
            boxes += std::holds_alternative<show::Box>(effect) ? 1 : 0;
        require(boxes <= 1, "a reply shows at most one box", [&] { return history; });
        require(boxes == 0 || std::holds_alternative<show::Box>(reply.back()),
                "a reply with a box ends with it", [&] { return history; });

        followUser(drawn, event);
        drawn.follow(reply);
        const std::string different = difference(drawn, conversation.window());
        require(different.empty(), "the replies draw the conversation's window",
                [&] { return history + different; });
        const PracticeSession* practice = conversation.practice();
        require(!drawn.practiceView() || (practice && *drawn.practiceView() == practice->view()),
                "the replies draw the Practice window as its session stands",
                [&] { return history; });
    }
    return 0;
}
