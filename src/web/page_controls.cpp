#include "web/page_controls.h"

#include "web/page.h"

using emscripten::val;

std::string PageControls::text(int index) const {
    // A held write is what the box holds as far as the commands are concerned.
    for (auto held = m_held.rbegin(); held != m_held.rend(); ++held)
        if (held->target == Target::Text && held->index == index)
            return held->text;
    return m_texts.at(index)["value"].as<std::string>();
}

void PageControls::setText(int index, std::string_view text) {
    write({Target::Text, index, std::string(text), false});
}

void PageControls::setTextVisible(int index, bool visible) {
    write({Target::TextVisible, index, {}, visible});
}

void PageControls::setCaption(int index, std::string_view caption) {
    write({Target::Caption, index, std::string(caption), false});
}

void PageControls::setLabelVisible(int index, bool visible) {
    write({Target::LabelVisible, index, {}, visible});
}

void PageControls::setCommandEnabled(int index, bool enabled) {
    write({Target::CommandEnabled, index, {}, enabled});
}

bool PageControls::option1Selected() const {
    return m_options[1]["checked"].as<bool>();
}

bool PageControls::option2Selected() const {
    return m_options[2]["checked"].as<bool>();
}

void PageControls::holdWrites() {
    m_holding = true;
}

void PageControls::releaseWrites() {
    m_holding = false;
    for (const Write& held : m_held)
        apply(held);
    m_held.clear();
}

void PageControls::write(const Write& write) {
    if (m_holding)
        m_held.push_back(write);
    else
        apply(write);
}

void PageControls::apply(const Write& write) {
    switch (write.target) {
    case Target::Text: {
        val box = m_texts.at(write.index);
        box.set("value", write.text);
        // A result longer than its box reads from its start, not from its end.
        box.set("scrollLeft", 0);
        break;
    }
    case Target::TextVisible:
        page::setHidden(m_texts.at(write.index), !write.flag);
        break;
    case Target::Caption:
        page::setText(m_labels.at(write.index), write.text);
        break;
    case Target::LabelVisible:
        page::setHidden(m_labels.at(write.index), !write.flag);
        break;
    case Target::CommandEnabled:
        m_commands.at(write.index).set("disabled", !write.flag);
        break;
    }
}
