#pragma once

#include <array>
#include <string>

#include "core/controls.h"

// The main window's controls as plain data, in their design-time state: every control visible and
// enabled, every box empty, the labels empty but the fixed captions "D=", "D1=" and "D2=".
class ControlModel : public Controls {
public:
    static constexpr int textCount = 11;
    static constexpr int labelCount = 13;

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
    std::array<bool, 4> m_commandEnabled{true, true, true, true};
    bool m_option1 = false;
    bool m_option2 = false;
};
