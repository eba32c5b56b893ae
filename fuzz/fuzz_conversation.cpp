// Whole conversations: the input is a sequence of the user's events (the program starting,
// commands, edits, answers to boxes, options chosen, windows closed), each sent to Conversation.
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

#include "core/conversation/control_model.h"
#include "core/conversation/conversation.h"
#include "core/design/main_window_design.h"
#include "fuzz_support.h"

namespace {

// One event as the user makes it, decoded from the input.
struct FuzzEvent {
    enum class Kind {
        Load,
        Command,
        Edit,
        Answer,
        Choose,
        WindowClosed,
        InfoWindowClosed,
        WorkingWindowClosed,
    };
    Kind kind = Kind::Load;
    Command command = Command::None;
    std::string origin; // the control that had the focus; empty for the command's own button
    int index = 1;      // Text(index) edited, or the option chosen
    std::string text;
    BoxButton button = BoxButton::Ok;
};

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

FuzzEvent decodeEvent(InputReader& input) {
    static const std::vector<std::string> names = origins();
    FuzzEvent event;
    event.kind = FuzzEvent::Kind(input.pick(8));
    switch (event.kind) {
    case FuzzEvent::Kind::Command:
        event.command = Command(input.pick(int(Command::ShowWorking) + 1));
        event.origin = names[std::size_t(input.pick(int(names.size())))];
        break;
    case FuzzEvent::Kind::Edit:
        event.index = 1 + input.pick(textCount);
        event.text = input.text();
        break;
    case FuzzEvent::Kind::Answer:
        event.button = BoxButton(input.pick(3));
        break;
    case FuzzEvent::Kind::Choose:
        event.index = 1 + input.pick(optionCount);
        break;
    default:
        break;
    }
    return event;
}

// The one place that sends an event to the conversation; the events without a reply answer an
// empty one.
Reply apply(Conversation& conversation, const FuzzEvent& event) {
    switch (event.kind) {
    case FuzzEvent::Kind::Load:
        return conversation.load();
    case FuzzEvent::Kind::Command:
        return conversation.command(event.command, event.origin);
    case FuzzEvent::Kind::Edit:
        conversation.edit(event.index, event.text);
        return {};
    case FuzzEvent::Kind::Answer:
        return conversation.answer(event.button);
    case FuzzEvent::Kind::Choose:
        conversation.choose(event.index);
        return {};
    case FuzzEvent::Kind::WindowClosed:
        return conversation.windowClosed();
    case FuzzEvent::Kind::InfoWindowClosed:
        conversation.infoWindowClosed();
        return {};
    case FuzzEvent::Kind::WorkingWindowClosed:
        conversation.workingWindowClosed();
        return {};
    }
    return {};
}

// What the user's own event changes in a front-end's window, before any reply.
void followUser(ControlModel& window, const FuzzEvent& event) {
    if (event.kind == FuzzEvent::Kind::Edit)
        window.setText(event.index, event.text);
    if (event.kind == FuzzEvent::Kind::Choose) {
        if (event.index == 1)
            window.selectOption1();
        else
            window.selectOption2();
    }
}

std::string describe(const FuzzEvent& event) {
    switch (event.kind) {
    case FuzzEvent::Kind::Load:
        return "load";
    case FuzzEvent::Kind::Command:
        return "command " + std::to_string(int(event.command)) + " from " + quoted(event.origin);
    case FuzzEvent::Kind::Edit:
        return "edit Text(" + std::to_string(event.index) + ") " + quoted(event.text);
    case FuzzEvent::Kind::Answer:
        return "answer " + std::to_string(int(event.button));
    case FuzzEvent::Kind::Choose:
        return "choose Option" + std::to_string(event.index);
    case FuzzEvent::Kind::WindowClosed:
        return "window closed";
    case FuzzEvent::Kind::InfoWindowClosed:
        return "info window closed";
    case FuzzEvent::Kind::WorkingWindowClosed:
        return "working window closed";
    }
    return "?";
}

// The first thing two windows show differently, or the empty text where they show the same.
std::string difference(const ControlModel& expected, const ControlModel& shown) {
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
    found.push_back(
        compare("announcement", expected.lastAnnouncement(), shown.lastAnnouncement()));
    found.push_back(compare("window shown", expected.windowShown(), shown.windowShown()));
    found.push_back(compare("ended", expected.ended(), shown.ended()));
    found.push_back(compare("working text", expected.workingText(), shown.workingText()));
    found.push_back(compare("working item", expected.workingEnabled(), shown.workingEnabled()));
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
    ControlModel drawn;
    std::string history;
    while (!input.atEnd()) {
        const FuzzEvent event = decodeEvent(input);
        history += describe(event) + "\n";
        Reply reply;
        try {
            reply = apply(conversation, event);
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
        render(reply, drawn);
        const std::string different = difference(drawn, conversation.window());
        require(different.empty(), "the replies draw the conversation's window",
                [&] { return history + different; });
    }
    return 0;
}
