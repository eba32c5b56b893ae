#pragma once

#include <string_view>

// The program's message boxes: modal, with a title, an icon, a text whose lines are separated by
// CR LF, and one OK button or the Yes and No buttons. A front-end shows them as its platform's
// boxes.
enum class MessageIcon { None, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo };

struct MessageBoxDesign {
    MessageIcon icon;
    std::string_view title;
    std::string_view text;
    MessageButtons buttons;
};

// The title of every box that has no title of its own.
inline constexpr std::string_view applicationTitle = "Velmora";

inline constexpr MessageBoxDesign welcomeBox{
    MessageIcon::None, applicationTitle, "Welcome to Velmora!\r\nPress INFO for more information",
    MessageButtons::Ok};

inline constexpr MessageBoxDesign aboutBox{MessageIcon::Information, "About",
                                           "Designed by Tolvek\r\n"
                                           "-Basic programming and reversing skills-\r\n"
                                           "Thanks for using it! Enjoy!\r\n"
                                           "Contact: tolvek@example.org",
                                           MessageButtons::Ok};

// File > Exit asks first; Yes ends the program.
inline constexpr MessageBoxDesign quitBox{MessageIcon::Question, "Quit",
                                          "Are you sure you want to quit?", MessageButtons::YesNo};

// The run command's input warnings and the arithmetic faults of the solvers.
constexpr MessageBoxDesign warningBox(std::string_view text) {
    return {MessageIcon::Warning, "Warning", text, MessageButtons::Ok};
}
