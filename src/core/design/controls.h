#pragma once

#include <string>
#include <string_view>

// The operations the commands and the solvers perform on the main window's controls.
// Each front-end implements them on its own controls; ControlModel keeps them in memory for tests.
// Text(1)..Text(11) and Label(1)..Label(13) are addressed by their index, starting at 1.
// Texts are UTF-8.
class Controls {
public:
    virtual ~Controls() = default;

    virtual std::string text(int index) const = 0;
    virtual void setText(int index, std::string_view text) = 0;
    virtual void setTextVisible(int index, bool visible) = 0;

    virtual void setCaption(int index, std::string_view caption) = 0;
    virtual void setLabelVisible(int index, bool visible) = 0;

    // Command1 ("run"), Command2 ("clear fields"), Command3 ("exit").
    virtual void setCommandEnabled(int index, bool enabled) = 0;

    virtual bool option1Selected() const = 0; // "Equation"
    virtual bool option2Selected() const = 0; // "System"
};

// The controls that play a part in every result, by their index.
namespace role {
inline constexpr int statusLine = 1;     // Label(1)
inline constexpr int firstCaption = 7;   // Label(7): "x1=" or "x="
inline constexpr int secondCaption = 8;  // Label(8): "x2=" or "y="
inline constexpr int determinantBox = 7; // Text(7): D, the discriminant or the main determinant
inline constexpr int firstDeterminantBox = 8;  // Text(8): D1
inline constexpr int secondDeterminantBox = 9; // Text(9): D2
inline constexpr int firstResultBox = 10;      // Text(10): x1 or x
inline constexpr int secondResultBox = 11;     // Text(11): x2 or y
} // namespace role

// The captions a run writes beside the two result boxes, in each layout. Where a run leaves one
// empty, or before the first run, they still name the box for a screen reader.
struct ResultCaptions {
    const char* first;
    const char* second;
};
inline constexpr ResultCaptions equationResults{"x1=", "x2="};
inline constexpr ResultCaptions systemResults{"x=", "y="};
