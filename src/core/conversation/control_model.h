#pragma once

#include <array>
#include <string>

#include "core/design/controls.h"
#include "core/design/main_window_design.h"
#include "core/conversation/renderer.h"

// The main window's controls as plain data, starting in their design-time state: every control
// visible and enabled, every box empty, each label with its designed caption. It is the window
// the core reads, and it follows every reply as a front-end draws it.
class ControlModel : public Controls, public Renderer {
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
    // The whole text a cut result offers; empty where the text fits its box.
    const std::string& wholeText(int index) const;

    // The user's click on an option button: the two form one exclusive group.
    void selectOption1();
    void selectOption2();

    // What the replies said beyond the controls' contents.
    const std::string& focus() const { return m_focus; }
    const std::string& lastAnnouncement() const { return m_announcement; }
    bool windowShown() const { return m_windowShown; }
    bool ended() const { return m_ended; }
    // The "Working" window's text as last shown, and whether its menu item can be chosen.
    const std::string& workingText() const { return m_workingText; }
    bool workingEnabled() const { return m_workingEnabled; }

    void render(const show::Text& text) override;
    void render(const show::TextVisible& visible) override;
    void render(const show::Caption& caption) override;
    void render(const show::LabelVisible& visible) override;
    void render(const show::CommandEnabled& enabled) override;
    void render(const show::Box& box) override;
    void render(const show::Focus& focus) override;
    void render(const show::Announcement& announcement) override;
    void render(const show::Window& window) override;
    void render(const show::InfoWindow& info) override;
    void render(const show::InfoWindowBack& back) override;
    void render(const show::Working& working) override;
    void render(const show::WorkingItem& item) override;
    void render(const show::End& end) override;

private:
    struct Box {
        std::string text;
        std::string whole;
        bool visible = true;
    };
    std::array<Box, textCount + 1> m_texts;   // index 0 unused
    std::array<Box, labelCount + 1> m_labels; // index 0 unused
    std::array<bool, commandCount + 1> m_commandEnabled;
    bool m_option1 = false;
    bool m_option2 = false;
    std::string m_focus;
    std::string m_announcement;
    bool m_windowShown = false;
    bool m_ended = false;
    std::string m_workingText;
    bool m_workingEnabled = false;
};
