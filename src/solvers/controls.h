#pragma once

#include <string>
#include <string_view>

// The operations the commands and the solvers perform on the main window's controls.
// The Qt window implements them on its widgets; ControlModel keeps them in memory for tests.
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
