#include "core/design/control_model.h"

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
    m_texts[checkedIndex(index, textCount)].text = text;
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

void ControlModel::selectOption1() {
    m_option1 = true;
    m_option2 = false;
}

void ControlModel::selectOption2() {
    m_option1 = false;
    m_option2 = true;
}
