#include "core/solving/box_reading.h"

std::vector<BoxReading> readBoxes(const Controls& controls, int count, const NumberLocale& locale) {
    std::vector<BoxReading> boxes;
    for (int index = 1; index <= count; ++index) {
        std::string text = controls.text(index);
        CoefficientReading reading = coefficientReading(text, locale);
        boxes.push_back({std::move(text), std::move(reading)});
    }
    return boxes;
}
