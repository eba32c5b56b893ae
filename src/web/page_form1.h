#pragma once

#include <memory>
#include <string>

#include <emscripten/val.h>

#include "core/form_variables.h"
#include "core/numbers.h"
#include "web/message_box.h"
#include "web/page_controls.h"

struct ControlDesign;
class PageForm3;

// The main window on the page: its menus and 31 controls, built from the design table, bound to
// the core's commands. load() runs the start-up procedure.
class PageForm1 {
public:
    PageForm1();
    ~PageForm1();

    // The welcome box first; when it is answered, every box and label hidden, the lower buttons
    // disabled, and the window shown.
    void load();
    // The menus and controls, built while the welcome box is read.
    void createContents();
    bool hasEnded() const { return m_ended; }

    // Events, forwarded from the page by main.cpp.
    void commandClicked(const std::string& name);
    void menuButtonClicked(const std::string& name);
    void menuItemClicked(const std::string& name);
    void keyPressed(emscripten::val event);
    void pointerPressed(emscripten::val event);
    MessageBoxes& boxes() { return m_boxes; }
    PageForm3* form3() { return m_form3.get(); }
    void form3Closed();

private:
    void createMenus();
    void createControls();
    emscripten::val createControl(const ControlDesign& design);
    void openMenu(const std::string& name);
    void closeMenus();
    void showBox(const MessageBoxDesign& design, MessageBoxes::OnAnswer onAnswer = {});

    void command1Click(); // "run"
    void command2Click(); // "clear fields"
    void command3Click(); // "exit"
    void command4Click(); // "CHECK!"
    void command5Click(); // "INFO"
    void exitClick();     // File > Exit
    void aboutClick();    // Help > About
    void endProgram();

    emscripten::val m_window = emscripten::val::null();
    emscripten::val m_menuBar = emscripten::val::null();
    emscripten::val m_client = emscripten::val::null();
    std::string m_openMenu;
    PageControls m_controls;
    MessageBoxes m_boxes;
    FormVariables m_vars;
    NumberLocale m_locale;
    std::unique_ptr<PageForm3> m_form3;
    bool m_ended = false;
};
