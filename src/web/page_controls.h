#pragma once

#include <string>
#include <vector>

#include <emscripten/val.h>

#include "core/controls.h"

// The control operations on the page's elements. A page cannot wait for a message box to be
// answered, so while a box is open the writes are held back and made when it is answered: the
// user sees the boxes emptied after the warning, as on the desktop.
class PageControls : public Controls {
public:
    std::string text(int index) const override;
    void setText(int index, std::string_view text) override;
    void setTextVisible(int index, bool visible) override;
    void setCaption(int index, std::string_view caption) override;
    void setLabelVisible(int index, bool visible) override;
    void setCommandEnabled(int index, bool enabled) override;
    bool option1Selected() const override;
    bool option2Selected() const override;

    // The elements, by their index within Text, Label, Command and Option.
    void bindText(int index, emscripten::val box) { m_texts.at(index) = box; }
    void bindLabel(int index, emscripten::val label) { m_labels.at(index) = label; }
    void bindCommand(int index, emscripten::val button) { m_commands.at(index) = button; }
    void bindOption(int index, emscripten::val radio) { m_options.at(index) = radio; }

    void holdWrites();
    void releaseWrites();

private:
    enum class Target { Text, TextVisible, Caption, LabelVisible, CommandEnabled };
    struct Write {
        Target target;
        int index;
        std::string text;
        bool flag;
    };
    void write(const Write& write);
    void apply(const Write& write);

    // By index; index 0 unused.
    std::vector<emscripten::val> m_texts{12, emscripten::val::null()};
    std::vector<emscripten::val> m_labels{14, emscripten::val::null()};
    std::vector<emscripten::val> m_commands{6, emscripten::val::null()};
    std::vector<emscripten::val> m_options{3, emscripten::val::null()};
    bool m_holding = false;
    std::vector<Write> m_held;
};
