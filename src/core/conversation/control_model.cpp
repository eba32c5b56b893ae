#include "core/conversation/control_model.h"

#include <stdexcept>

namespace {

int checkedIndex(int index, int last) {
    if (index < 1 || index > last)
        throw std::out_of_range("control index " + std::to_string(index));
    return index;
}

} // namespace

ControlModel::ControlModel() {
    m_commandEnabled.fill(true);
    for (const ControlDesign& row : mainWindowDesign().controls)
        if (row.kind == ControlKind::Label)
            m_labels.at(row.index).text = row.caption;
}

std::string ControlModel::text(int index) const {
    return m_texts[checkedIndex(index, textCount)].text;
}

void ControlModel::setText(int index, std::string_view text) {
    Box& box = m_texts[checkedIndex(index, textCount)];
    box.text = text;
    box.whole.clear();
}

void ControlModel::setTextVisible(int index, bool visible) {
    m_texts[checkedIndex(index, textCount)].visible = visible;
}

void ControlModel::setCaption(int index, std::string_view caption) {
    m_labels[checkedIndex(index, labelCount)].text = caption;
}

void ControlModel::setLabelVisible(int index, bool visible) {
    m_labels[checkedIndex(index, labelCount)].visible = visible;
}

void ControlModel::setCommandEnabled(int index, bool enabled) {
    m_commandEnabled[checkedIndex(index, commandCount)] = enabled;
}

const std::string& ControlModel::caption(int index) const {
    return m_labels[checkedIndex(index, labelCount)].text;
}

bool ControlModel::textVisible(int index) const {
    return m_texts[checkedIndex(index, textCount)].visible;
}

bool ControlModel::labelVisible(int index) const {
    return m_labels[checkedIndex(index, labelCount)].visible;
}

bool ControlModel::commandEnabled(int index) const {
    return m_commandEnabled[checkedIndex(index, commandCount)];
}

const std::string& ControlModel::wholeText(int index) const {
    return m_texts[checkedIndex(index, textCount)].whole;
}

void ControlModel::selectOption1() {
    m_option1 = true;
    m_option2 = false;
}

void ControlModel::selectOption2() {
    m_option1 = false;
    m_option2 = true;
}

void ControlModel::render(const show::Text& text) {
    setText(text.index, text.text);
    m_texts[text.index].whole = text.whole;
}

void ControlModel::render(const show::TextVisible& visible) {
    setTextVisible(visible.index, visible.visible);
}

void ControlModel::render(const show::Caption& caption) {
    setCaption(caption.index, caption.caption);
}

void ControlModel::render(const show::LabelVisible& visible) {
    setLabelVisible(visible.index, visible.visible);
}

void ControlModel::render(const show::CommandEnabled& enabled) {
    setCommandEnabled(enabled.index, enabled.enabled);
}

// A box takes the focus while it is open; the reply to its answer says where it goes next.
void ControlModel::render(const show::Box& /*box*/) {
    m_focus.clear();
}

void ControlModel::render(const show::Focus& focus) {
    m_focus = focus.control;
}

void ControlModel::render(const show::Announcement& announcement) {
    m_announcement = announcement.text;
}

void ControlModel::render(const show::Window& /*window*/) {
    m_windowShown = true;
}

void ControlModel::render(const show::InfoWindow& /*info*/) {}

void ControlModel::render(const show::InfoWindowBack& /*back*/) {}

void ControlModel::render(const show::Working& working) {
    m_workingText = working.text;
}

void ControlModel::render(const show::WorkingItem& item) {
    m_workingEnabled = item.enabled;
}

void ControlModel::render(const show::End& /*end*/) {
    m_ended = true;
    m_windowShown = false;
    m_focus.clear();
}
