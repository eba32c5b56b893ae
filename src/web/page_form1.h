#pragma once

#include <memory>
#include <string>
#include <vector>

#include <emscripten/val.h>

#include "core/conversation/conversation.h"
#include "core/design/main_window_design.h"
#include "core/design/text_measure.h"
#include "web/last_focus.h"
#include "web/listener.h"
#include "web/message_box.h"

class ContextMenu;
struct MenuBarAction;
class PageEquation;
class PageForm3;
class PagePractice;
class PageWorking;

// The main window on the page: its menus and 31 controls, whose markup the site's build writes
// from the design table. Each event goes to the core's conversation, and the page draws what
// the reply shows.
class PageForm1 : public TextMeasure {
public:
    PageForm1();
    ~PageForm1() override;

    // The welcome box first; the window, hidden behind it, is shown when it is answered.
    void load();

    // Draws one thing a reply shows.
    void render(const Effect& effect);

    int textWidth(int textIndex, std::string_view text) const override;
    int room(int textIndex) const override;

private:
    void bindContents();
    void bindMenus();
    void bindControls();
    void answerKeptEvents();
    void clicked(emscripten::val event);
    void listen(emscripten::val target, const char* type, PageCallback::Callback callback,
                Listener::Phase phase = Listener::Phase::Bubble);
    // The event goes to the conversation, and each effect of its reply is drawn in its order.
    void send(const Event& event);
    // One function for each thing a reply can show. Apart from render(), whose signature spells
    // out every effect: the callbacks made here carry the name of the function they are made in.
    auto drawing();
    void keyPressed(emscripten::val event);
    void carryOut(const MenuBarAction& action, emscripten::val event);
    emscripten::val menuItem(int menu, int item) const;
    void chooseItem(const MenuBarAction& action);
    void openMenu(int menu);
    void closeMenus();
    void readLocaleWhenIdle();
    // The keyboard focus on the control of that name, if the page has one.
    void focusControl(const std::string& name);
    // The element of the control of that name that takes the focus, or null.
    emscripten::val focusTarget(const std::string& name) const;
    // The Practice panel, made on first use.
    PagePractice& practice();

    Conversation m_conversation;
    emscripten::val m_window = emscripten::val::null();
    emscripten::val m_menuBar = emscripten::val::null();
    emscripten::val m_announcer = emscripten::val::null();
    emscripten::val m_startAgain = emscripten::val::null(); // the link, once the program has ended
    // By index; index 0 unused.
    std::vector<emscripten::val> m_texts{textCount + 1, emscripten::val::null()};
    std::vector<emscripten::val> m_labels{labelCount + 1, emscripten::val::null()};
    std::vector<emscripten::val> m_commands{commandCount + 1, emscripten::val::null()};
    std::vector<emscripten::val> m_menuTitles;
    std::vector<std::unique_ptr<Listener>> m_listeners;
    std::unique_ptr<IdleAfterPaint> m_bindContents;
    std::unique_ptr<IdleAfterPaint> m_readLocale;
    std::unique_ptr<PageLater> m_prepareWorking;
    bool m_workingRehearsed = false;
    mutable emscripten::val m_measure = emscripten::val::null(); // a canvas's 2D context
    // Each result box's font and room for text, read once until the layout changes, and
    // whether it offers a whole text now.
    mutable std::vector<std::string> m_fonts = std::vector<std::string>(textCount + 1);
    mutable std::vector<int> m_rooms = std::vector<int>(textCount + 1, -1);
    std::vector<bool> m_offersWhole = std::vector<bool>(textCount + 1, false);
    int m_openMenu = -1;
    std::string m_focusBeforeMenu;
    // The window's control that had the focus last, where a menu or a panel gives it back.
    std::unique_ptr<LastFocus> m_lastFocus;
    MessageBoxes m_boxes;
    std::unique_ptr<PageForm3> m_form3;
    // The status line's and the result boxes' context menu, and the working it opens.
    std::unique_ptr<ContextMenu> m_contextMenu;
    std::unique_ptr<PageWorking> m_working;
    std::unique_ptr<PageEquation> m_equation;
    // Made the first time it is asked for, and kept while the page lives.
    std::unique_ptr<PagePractice> m_practice;
    bool m_raiseWorking = false;   // the working was asked for, not following a run
    bool m_keepPagesFocus = false; // the window was up before the program
};
