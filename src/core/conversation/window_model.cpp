#include "core/conversation/window_model.h"

#include "core/conversation/overloaded.h"

void WindowModel::follow(const Effect& effect) {
    const overloaded follow{
        [this](const show::Text& text) {
            setText(text.index, text.text);
            m_wholeTexts.at(text.index) = text.whole;
        },
        [this](const show::TextVisible& visible) {
            setTextVisible(visible.index, visible.visible);
        },
        [this](const show::Caption& caption) { setCaption(caption.index, caption.caption); },
        [this](const show::LabelVisible& visible) {
            setLabelVisible(visible.index, visible.visible);
        },
        [this](const show::CommandEnabled& enabled) {
            setCommandEnabled(enabled.index, enabled.enabled);
        },
        // A box takes the focus while it is open; the reply to its answer says where it goes next.
        [this](const show::Box& /*box*/) { m_focus.clear(); },
        [this](const show::Focus& focus) { m_focus = focus.control; },
        [this](const show::BoxName& name) { m_boxNames.at(name.index) = name.name; },
        [this](const show::Announcement& announcement) { m_announcement = announcement.text; },
        [this](const show::Window& /*window*/) { m_windowShown = true; },
        // The other windows are the front-ends' own.
        [](const show::InfoWindow& /*info*/) {},
        [](const show::InfoWindowBack& /*back*/) {},
        [this](const show::Working& working) {
            m_workingText = working.text;
            m_workingMethods = working.methods;
            m_workingMethod = working.method;
        },
        [this](const show::WorkingItem& item) { m_workingEnabled = item.enabled; },
        [this](const show::OptionSelected& selected) {
            if (selected.option == 1)
                selectOption1();
            else
                selectOption2();
        },
        [this](const show::EquationWindow& /*window*/) { m_equationOpen = true; },
        [this](const show::EquationReading& reading) { m_equationReading = reading; },
        [this](const show::EquationWindowClosed& /*closed*/) { m_equationOpen = false; },
        [](const show::PracticeWindow& /*window*/) {},
        [this](const show::PracticeShown& shown) { m_practiceView = shown.view; },
        [this](const show::PracticeFocus& focus) { m_practiceFocus = focus.control; },
        [this](const show::PracticeAnnouncement& announcement) {
            m_practiceAnnouncement = announcement.text;
        },
        [this](const show::PrintedSheet& sheet) { m_printedSheet = sheet.html; },
        [this](const show::End& /*end*/) {
            m_ended = true;
            m_windowShown = false;
            m_equationOpen = false;
            m_focus.clear();
        },
    };
    std::visit(follow, effect);
}

void WindowModel::follow(const Reply& reply) {
    for (const Effect& effect : reply)
        follow(effect);
}
