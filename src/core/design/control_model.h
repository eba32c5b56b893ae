#pragma once

#include <array>
#include <string>

#include "core/design/controls.h"
#include "core/design/main_window_design.h"

// The main window's controls as plain data, starting in their design-time state: every control
// visible and enabled, every box empty, each label with its designed caption. The core reads and
// writes it as it would a window, and the tests look at it.
class ControlModel : public Controls {
public:
    ControlModel();

    std::string text(int index) const override;
    void setText(int index, std::string_view text) override;
    void setTextVisible(int index, bool visible) override;
    void setCaption(int index, std::string_view caption) override;
    void setLabelVisible(int index, bool visible) override;
    void setCommandEnabled(int index, bool enabled) override;
    bool option1Selected() const override { return m_option1; }
    bool option2Selected() const override { return m_option2; }

    const std::string& caption(int index) const;
    bool textVisible(int index) const;
    bool labelVisible(int index) const;
    bool commandEnabled(int index) const;

    // The user's click on an option button: the two form one exclusive group.
    void selectOption1();
    void selectOption2();

private:
    struct Box {
        std::string text;
        bool visible = true;
    };
    std::array<Box, textCount + 1> m_texts;   // index 0 unused
    std::array<Box, labelCount + 1> m_labels; // index 0 unused
    std::array<bool, commandCount + 1> m_commandEnabled;
    bool m_option1 = false;
    bool m_option2 = false;
};
