#include "control_model.h"

#include <stdexcept>

namespace {

int checkedIndex(int index, int last) {
    if (index < 1 || index > last)
        throw std::out_of_range("control index " + std::to_string(index));
    return index;
}

} // namespace

ControlModel::ControlModel() {
    labels_[5].text = "D=";
    labels_[12].text = "D1=";
    labels_[13].text = "D2=";
}

std::string ControlModel::text(int index) const {
    return texts_[checkedIndex(index, textCount)].text;
}

void ControlModel::setText(int index, std::string_view text) {
    texts_[checkedIndex(index, textCount)].text = text;
}

void ControlModel::setTextVisible(int index, bool visible) {
    texts_[checkedIndex(index, textCount)].visible = visible;
}

void ControlModel::setCaption(int index, std::string_view caption) {
    labels_[checkedIndex(index, labelCount)].text = caption;
}

void ControlModel::setLabelVisible(int index, bool visible) {
    labels_[checkedIndex(index, labelCount)].visible = visible;
}

void ControlModel::setCommandEnabled(int index, bool enabled) {
    commandEnabled_[checkedIndex(index, 3)] = enabled;
}

const std::string& ControlModel::caption(int index) const {
    return labels_[checkedIndex(index, labelCount)].text;
}

bool ControlModel::textVisible(int index) const {
    return texts_[checkedIndex(index, textCount)].visible;
}

bool ControlModel::labelVisible(int index) const {
    return labels_[checkedIndex(index, labelCount)].visible;
}

bool ControlModel::commandEnabled(int index) const {
    return commandEnabled_[checkedIndex(index, 3)];
}

void ControlModel::selectOption1() {
    option1 = true;
    option2 = false;
}

void ControlModel::selectOption2() {
    option1 = false;
    option2 = true;
}
