#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/conversation/reply.h"
#include "core/design/control_model.h"

// The windows as the replies leave them: its controls, and what else the replies showed. It
// follows every reply as a front-end draws it, so that the conversation reads back what the user
// sees, and the tests see the window exactly as the front-ends are told to draw it.
class WindowModel : public ControlModel {
public:
    void follow(const Effect& effect);
    // Each effect in its order.
    void follow(const Reply& reply);

    // The whole text a cut result offers; empty where the text fits its box.
    const std::string& wholeText(int index) const { return m_wholeTexts.at(index); }
    const std::string& focus() const { return m_focus; }
    const std::string& lastAnnouncement() const { return m_announcement; }
    // A result box's name for a screen reader; empty before a layout names it.
    const std::string& boxName(int index) const { return m_boxNames.at(index); }
    bool windowShown() const { return m_windowShown; }
    bool ended() const { return m_ended; }
    // The "Working" window's text as last shown, and whether its menu item can be chosen.
    const std::string& workingText() const { return m_workingText; }
    bool workingEnabled() const { return m_workingEnabled; }
    // The ways of working it last offered, and the one it was worked by.
    const std::vector<MethodChoice>& workingMethods() const { return m_workingMethods; }
    WorkingMethod workingMethod() const { return m_workingMethod; }
    // The "Equation" box: whether it is open, and its reading as last shown.
    bool equationOpen() const { return m_equationOpen; }
    const show::EquationReading& equationReading() const { return m_equationReading; }
    // The "Practice" window: its view as last shown (null before it opens), its focus, what it
    // last said and the sheet last printed.
    const PracticeView* practiceView() const { return m_practiceView.get(); }
    const std::string& practiceFocus() const { return m_practiceFocus; }
    const std::string& practiceAnnouncement() const { return m_practiceAnnouncement; }
    const std::string& printedSheet() const { return m_printedSheet; }

private:
    std::array<std::string, textCount + 1> m_wholeTexts; // index 0 unused
    std::array<std::string, textCount + 1> m_boxNames;   // index 0 unused
    std::string m_focus;
    std::string m_announcement;
    bool m_windowShown = false;
    bool m_ended = false;
    std::string m_workingText;
    bool m_workingEnabled = false;
    std::vector<MethodChoice> m_workingMethods;
    WorkingMethod m_workingMethod = WorkingMethod::Formula;
    bool m_equationOpen = false;
    show::EquationReading m_equationReading{};
    std::shared_ptr<const PracticeView> m_practiceView;
    std::string m_practiceFocus;
    std::string m_practiceAnnouncement;
    std::string m_printedSheet;
};
