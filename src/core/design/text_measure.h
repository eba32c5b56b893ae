#pragma once

#include <string_view>

// How wide a text stands in a box, in the front-end's pixels, and how much room the box has for
// it. Only a front-end can measure its fonts; the core decides from the figures what is cut.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int textWidth(int textIndex, std::string_view text) const = 0;
    virtual int room(int textIndex) const = 0;
};

// An estimate from the design alone, for the plain model: every character as wide as a digit of
// the window's font, the box's frame and margins taken off its width.
class EstimatedMeasure : public TextMeasure {
public:
    int textWidth(int textIndex, std::string_view text) const override;
    int room(int textIndex) const override;
};
