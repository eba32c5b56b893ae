#pragma once

#include <string>
#include <string_view>

#include "core/conversation/conversation.h"
#include "core/design/controls.h"

// The window as the commands see it: reads from the model, writes into the reply.
class Conversation::Recorder : public Controls {
public:
    Recorder(const WindowModel& window, const TextMeasure& measure)
        : m_window(window), m_measure(measure) {
        // A run's reply has about twenty effects: grown step by step, it would be copied five
        // times.
        reply.reserve(32);
    }

    Reply reply;

    std::string text(int index) const override { return m_window.text(index); }
    bool option1Selected() const override { return m_window.option1Selected(); }
    bool option2Selected() const override { return m_window.option2Selected(); }

    void setText(int index, std::string_view text) override {
        // A result wider than its box offers its whole text, so that a cut exponent or "*i"
        // is never missed. A coefficient box holds what was typed, or written from the
        // "Equation" box, and scrolls.
        const bool cut = index >= role::determinantBox && !text.empty() &&
                         m_measure.textWidth(index, text) > m_measure.room(index);
        reply.push_back(show::Text{index, std::string(text), cut ? std::string(text) : ""});
    }
    void setTextVisible(int index, bool visible) override {
        reply.push_back(show::TextVisible{index, visible});
    }
    void setCaption(int index, std::string_view caption) override {
        reply.push_back(show::Caption{index, std::string(caption)});
    }
    void setLabelVisible(int index, bool visible) override {
        reply.push_back(show::LabelVisible{index, visible});
    }
    void setCommandEnabled(int index, bool enabled) override {
        reply.push_back(show::CommandEnabled{index, enabled});
    }

private:
    const WindowModel& m_window;
    const TextMeasure& m_measure;
};
