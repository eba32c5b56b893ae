#include "web/page_form1.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/conversation/overloaded.h"
#include "core/design/controls.h"
#include "web/browser_event.h"
#include "web/browser_locale.h"
#include "web/context_menu.h"
#include "web/input/menu_bar.h"
#include "web/page.h"
#include "web/page_equation.h"
#include "web/page_form3.h"
#include "web/page_practice.h"
#include "web/page_working.h"

using emscripten::val;

namespace {

val byName(val within, std::string_view name) {
    return within.call<val>("querySelector", "[data-name=\"" + std::string(name) + "\"]");
}

// iOS's decimal pad has no minus sign: there the boxes keep the full keyboard. An iPad asks for
// the desktop's pages and says it is a Mac, one with a touch screen.
bool decimalPadLacksMinus() {
    const val navigator = val::global("navigator");
    const std::string agent = navigator["userAgent"].as<std::string>();
    const val platform = navigator["platform"];
    const val touchPoints = navigator["maxTouchPoints"];
    return agent.find("iPhone") != std::string::npos || agent.find("iPad") != std::string::npos ||
           agent.find("iPod") != std::string::npos ||
           (platform.isString() && platform.as<std::string>() == "MacIntel" &&
            touchPoints.isNumber() && touchPoints.as<int>() > 1);
}

double cssPixels(val style, const char* property) {
    return val::global("parseFloat")(style[property]).as<double>();
}

} // namespace

PageForm1::PageForm1() : m_conversation(this) {}

PageForm1::~PageForm1() = default;

void PageForm1::listen(val target, const char* type, PageCallback::Callback callback,
                       Listener::Phase phase) {
    m_listeners.push_back(std::make_unique<Listener>(target, type, std::move(callback), phase));
}

void PageForm1::send(const Event& event) {
    for (const Effect& effect : m_conversation.handle(event))
        render(effect);
    // The working of a run is made ahead while the pupil reads its results.
    if (!m_prepareWorking)
        m_prepareWorking = std::make_unique<PageLater>([this] {
            m_conversation.prepareWorking();
            const show::Working* prepared = m_conversation.preparedWorking();
            if (prepared && !m_working && !m_workingRehearsed) {
                PageWorking::rehearse(m_window, *prepared);
                m_workingRehearsed = true;
            }
        });
    m_prepareWorking->whenIdle();
}

void PageForm1::load() {
    // The browser's own random source, for the seeds of the Practice panel's sheets.
    val words = val::global("Uint32Array").new_(2);
    val::global("crypto").call<void>("getRandomValues", words);
    send(event::Load{(std::uint64_t(words[0].as<double>()) << 32) |
                     std::uint64_t(words[1].as<double>())});
    // The welcome box may have been answered while the program loaded. If not, the window's
    // controls are bound while the user reads it, so that a key or a click on the box is not
    // kept waiting behind them.
    if (m_boxes.isOpen())
        m_bindContents = std::make_unique<IdleAfterPaint>([this] { bindContents(); });
}

// The window's markup is in the page already, hidden behind the box: the program finds the
// window and its controls and listens to them.
void PageForm1::bindContents() {
    if (!m_window.isNull())
        return;
    m_conversation.setNumberLocale(browserNumberLocale);
    const MainWindowDesign& design = mainWindowDesign();
    m_window = byName(page::document(), design.name);
    // The window's caption after the program's name, as a desktop's task bar shows both.
    page::document().set("title", std::string("Velmora — ") + design.caption);
    bindMenus();
    bindControls();
    m_announcer = m_window.call<val>("querySelector", val(".announcer"));
    // Narrower than the window (a phone, a zoomed page): the style sheet stands the controls in
    // one column.
    const val narrow = val::global("window").call<val>("matchMedia", m_window["dataset"]["narrow"]);
    m_window["classList"].call<void>("toggle", val("narrow"), narrow["matches"]);
    // Laid out, unseen, while the user reads the box: answering it then only paints the window.
    page::addClass(m_window, "prepared");
    listen(narrow, "change", [this](val e) {
        m_window["classList"].call<void>("toggle", val("narrow"), e["matches"]);
        // The column gives the boxes other sizes and fonts.
        std::fill(m_fonts.begin(), m_fonts.end(), std::string());
        std::fill(m_rooms.begin(), m_rooms.end(), -1);
    });
    listen(page::document(), "keydown", [this](val e) { keyPressed(e); });
    listen(page::document(), "pointerdown", [this](val e) {
        if (m_openMenu >= 0 && !m_menuBar.call<bool>("contains", e["target"]))
            closeMenus();
    });
    // From here on the program answers the window: the page keeps nothing more for it.
    m_window.call<void>("setAttribute", val("data-program"), val(""));
    if (m_boxes.isOpen())
        readLocaleWhenIdle();
}

// The page shows the window by itself when the welcome box is answered before the program has
// started, and keeps the clicks and access keys given there until the program answers them.
void PageForm1::answerKeptEvents() {
    const val kept = m_window["keptEvents"];
    if (kept.isUndefined())
        return;
    m_window.set("keptEvents", val::undefined());
    const int count = kept["length"].as<int>();
    for (int at = 0; at < count; ++at) {
        const val event = kept[at];
        if (event["type"].as<std::string>() == "click")
            clicked(event);
        else
            keyPressed(event);
    }
}

void PageForm1::bindMenus() {
    m_menuBar = m_window.call<val>("querySelector", val(".menubar"));
    for (const MenuDesign& design : mainWindowDesign().menus)
        m_menuTitles.push_back(byName(m_menuBar, design.name));
}

void PageForm1::bindControls() {
    // The markup holds the controls in the design table's order.
    const val client = m_window.call<val>("querySelector", val(".client"));
    const val controls = client["children"];
    m_lastFocus = std::make_unique<LastFocus>(client);
    m_contextMenu = std::make_unique<ContextMenu>(
        m_window, client, *m_lastFocus, [this](const std::string& /*control*/, val returnFocus) {
            // Closed, the working gives the focus back to the control the user was on.
            const val named = returnFocus.isNull() || returnFocus.isUndefined()
                                  ? val::null()
                                  : returnFocus.call<val>("closest", val("[data-name]"));
            m_raiseWorking = true;
            send(event::Command{workingMenu.command,
                                named.isNull() ? std::string()
                                               : named["dataset"]["name"].as<std::string>()});
            m_raiseWorking = false;
        });
    const bool keepFullKeyboard = decimalPadLacksMinus();
    const auto& rows = mainWindowDesign().controls;
    for (std::size_t at = 0; at < rows.size(); ++at) {
        const ControlDesign& row = rows[at];
        const val control = controls[at];
        switch (row.kind) {
        case ControlKind::InputBox:
            m_texts.at(row.index) = control;
            if (keepFullKeyboard)
                control.call<void>("removeAttribute", val("inputmode"));
            break;
        case ControlKind::ResultBox:
            m_texts.at(row.index) = control;
            m_contextMenu->attach(control);
            break;
        case ControlKind::Label:
            m_labels.at(row.index) = control;
            // The status line's context menu offers the working.
            if (row.index == role::statusLine)
                m_contextMenu->attach(control);
            break;
        case ControlKind::OptionButton:
            // Chosen in the window the page showed before the program started.
            if (control["firstElementChild"]["checked"].as<bool>())
                send(event::Choose{row.index});
            break;
        case ControlKind::PushButton:
            m_commands.at(row.index) = control;
            break;
        }
    }
    // One listener of each kind for the whole window, which finds the control by its name.
    constexpr auto capture = Listener::Phase::Capture;
    listen(
        m_window, "click", [this](val e) { clicked(e); }, capture);
    listen(
        m_window, "input",
        [this](val e) {
            if (const ControlDesign* row = controlNamed(controlName(e), ControlKind::InputBox))
                send(event::Edit{row->index, e["target"]["value"].as<std::string>()});
        },
        capture);
    listen(
        m_window, "change",
        [this](val e) {
            if (const ControlDesign* row = controlNamed(controlName(e), ControlKind::OptionButton))
                send(event::Choose{row->index});
        },
        capture);
}

void PageForm1::clicked(val event) {
    carryOut(windowClick(controlName(event), m_openMenu), event);
}

void PageForm1::keyPressed(val event) {
    if (m_boxes.isOpen())
        return;
    carryOut(menuBarKey(readKey(event), m_openMenu), event);
}

void PageForm1::carryOut(const MenuBarAction& action, val event) {
    using Kind = MenuBarAction::Kind;
    if (action.keepFromBrowser)
        event.call<void>("preventDefault");
    switch (action.kind) {
    case Kind::None:
        break;
    case Kind::OpenMenu:
        openMenu(action.menu);
        break;
    case Kind::CloseMenus:
        closeMenus();
        break;
    case Kind::ReturnToTitle: {
        const val title = m_menuTitles.at(action.menu);
        closeMenus();
        title.call<void>("focus");
        break;
    }
    case Kind::LeaveMenuBar:
        if (!m_focusBeforeMenu.empty())
            focusControl(m_focusBeforeMenu);
        break;
    case Kind::FocusItem:
        menuItem(action.menu, action.item).call<void>("focus");
        break;
    case Kind::ActivateItem:
        menuItem(action.menu, action.item).call<void>("click");
        break;
    case Kind::ChooseItem:
        chooseItem(action);
        break;
    case Kind::PressButton:
        send(event::Command{action.command});
        break;
    }
}

val PageForm1::menuItem(int menu, int item) const {
    return byName(m_menuBar, mainWindowDesign().menus.at(menu).items[std::size_t(item)].name);
}

void PageForm1::chooseItem(const MenuBarAction& action) {
    // A greyed item does nothing, and its menu stays open, as on the desktop.
    if (menuItem(action.menu, action.item).call<bool>("matches", val("[aria-disabled=\"true\"]")))
        return;
    closeMenus();
    if (action.command != workingMenu.command) {
        send(event::Command{action.command, m_focusBeforeMenu});
        return;
    }
    // Asked for, the working comes to the front.
    m_raiseWorking = true;
    send(event::Command{action.command, m_focusBeforeMenu});
    m_raiseWorking = false;
}

void PageForm1::openMenu(int menu) {
    // Where a box the menu's item shows, or leaving the menu bar, gives the focus back: the
    // control the user was on, though a click on the menu's title has taken the focus.
    if (m_openMenu < 0)
        m_focusBeforeMenu = m_lastFocus->name();
    closeMenus();
    const val title = m_menuTitles.at(menu);
    const val popup = title["nextElementSibling"];
    page::setHidden(popup, false);
    page::addClass(title, "open");
    title.call<void>("setAttribute", val("aria-expanded"), val("true"));
    popup["firstElementChild"].call<void>("focus");
    m_openMenu = menu;
}

void PageForm1::closeMenus() {
    for (const val& title : m_menuTitles) {
        page::setHidden(title["nextElementSibling"], true);
        title["classList"].call<void>("remove", val("open"));
        title.call<void>("setAttribute", val("aria-expanded"), val("false"));
    }
    m_openMenu = -1;
}

auto PageForm1::drawing() {
    return overloaded{
        [this](const show::Text& text) {
            val box = m_texts.at(text.index);
            box.set("value", text.text);
            // A cut result reads from its start, not from its end, and offers its whole text as a
            // tooltip and to a screen reader. A text that fits cannot scroll: setting its scroll
            // would only make the browser lay the page out at once, for every box.
            if (text.whole.empty()) {
                if (m_offersWhole.at(text.index)) {
                    box.call<void>("removeAttribute", val("title"));
                    box.call<void>("removeAttribute", val("aria-description"));
                }
                m_offersWhole.at(text.index) = false;
            } else {
                box.set("scrollLeft", 0);
                m_offersWhole.at(text.index) = true;
                box.call<void>("setAttribute", val("title"), val(text.whole));
                box.call<void>("setAttribute", val("aria-description"), val(text.whole));
            }
        },
        [this](const show::TextVisible& visible) {
            page::setHidden(m_texts.at(visible.index), !visible.visible);
        },
        [this](const show::Caption& caption) {
            page::setText(m_labels.at(caption.index), caption.caption);
        },
        [this](const show::LabelVisible& visible) {
            page::setHidden(m_labels.at(visible.index), !visible.visible);
        },
        [this](const show::CommandEnabled& enabled) {
            m_commands.at(enabled.index).set("disabled", !enabled.enabled);
        },
        [this](const show::Box& box) {
            m_boxes.show(box.design(), [this](BoxButton button) {
                // The welcome box may be answered before the window's controls were bound.
                bindContents();
                send(event::Answer{button});
                answerKeptEvents();
            });
        },
        [this](const show::Focus& focus) {
            if (!std::exchange(m_keepPagesFocus, false))
                focusControl(focus.control);
        },
        [this](const show::BoxName& name) {
            m_texts.at(name.index).call<void>("setAttribute", val("aria-label"), val(name.name));
        },
        [this](const show::Announcement& announcement) {
            // Emptied first, so that the same sentence twice is still spoken twice.
            page::setText(m_announcer, "");
            page::setText(m_announcer, announcement.text);
        },
        [this](const show::Window& /*window*/) {
            // Shown by the page already, with the focus where the core puts it first: the user may
            // have moved it since.
            m_keepPagesFocus = !m_window["hidden"].as<bool>();
            page::setHidden(m_window, false);
            readLocaleWhenIdle();
        },
        [this](const show::InfoWindow& /*info*/) {
            // One information window at a time; closing it destroys it, and the next press creates
            // it anew.
            if (!m_form3)
                m_form3 = std::make_unique<PageForm3>(m_window, [this] {
                    m_form3.reset();
                    send(event::InfoWindowClosed{});
                });
            m_form3->raise();
        },
        // A page has no close box: the main window never closes while the information window is
        // open.
        [](const show::InfoWindowBack& /*back*/) {},
        [this](const show::Working& working) {
            // One panel; it follows each run while open, and comes to the front only when asked
            // for.
            const bool raise = m_raiseWorking || !m_working;
            if (!m_working)
                m_working = std::make_unique<PageWorking>(
                    m_window,
                    [this] {
                        m_working.reset();
                        send(event::WorkingWindowClosed{});
                    },
                    [this](WorkingMethod method) { send(event::ChooseMethod{method}); });
            m_working->show(working);
            if (raise)
                m_working->raise();
        },
        [this](const show::WorkingItem& item) {
            m_contextMenu->setWorkingEnabled(item.enabled);
            byName(m_menuBar, workingMenu.itemName)
                .call<void>("setAttribute", val("aria-disabled"),
                            val(item.enabled ? "false" : "true"));
        },
        [this](const show::OptionSelected& selected) {
            // As the pupil's click would; set by the program, the page reports no change.
            byName(m_window, "Option" + std::to_string(selected.option))["firstElementChild"].set(
                "checked", true);
        },
        [this](const show::EquationWindow& window) {
            if (!m_equation)
                m_equation = std::make_unique<PageEquation>(
                    m_window, [this](const Event& event) { send(event); },
                    [this](const std::string& text) { render(show::Announcement{text}); });
            m_equation->showText(window.text);
            m_equation->raise();
        },
        [this](const show::EquationReading& reading) {
            if (m_equation)
                m_equation->showReading(reading);
        },
        // The text stays with the core, which shows it again when the box reopens.
        [this](const show::EquationWindowClosed& /*closed*/) { m_equation.reset(); },
        [this](const show::PracticeWindow& /*window*/) { practice().raise(); },
        [this](const show::PracticeShown& shown) { practice().render(*shown.view); },
        [this](const show::PracticeFocus& focus) { practice().focusOn(focus.control); },
        [this](const show::PracticeAnnouncement& said) { render(show::Announcement{said.text}); },
        [this](const show::PrintedSheet& sheet) { practice().print(sheet.html); },
        [this](const show::End& end) {
            // A page cannot close itself: every window goes, and one line says so.
            m_boxes.remove();
            m_equation.reset();
            m_practice.reset();
            m_form3.reset();
            m_working.reset();
            m_contextMenu.reset();
            m_listeners.clear();
            // The announcer stays, to say the line.
            page::append(page::document()["body"], m_announcer);
            m_window.call<void>("remove");
            val ended = page::create("p");
            page::addClass(ended, "ended");
            page::append(ended, val(end.line + " "));
            m_startAgain = page::create("a");
            m_startAgain.set("href", "./");
            page::setText(m_startAgain, end.startAgain);
            page::append(ended, m_startAgain);
            page::append(page::document()["body"], ended);
            page::document().set("title", "Velmora");
        },
    };
}

PagePractice& PageForm1::practice() {
    if (!m_practice)
        m_practice = std::make_unique<PagePractice>(
            m_window, [this](const Event& event) { send(event); },
            [this] { send(event::PracticeClosed{}); });
    return *m_practice;
}

val PageForm1::focusTarget(const std::string& name) const {
    // Once the program has ended, its window has gone: the way to start again stands instead.
    val control = name == show::End::startAgainName ? m_startAgain : byName(m_window, name);
    // A panel's control, where the window has none of that name.
    if (control.isNull() && !m_window.isNull() && !name.empty())
        control = byName(page::document(), name);
    if (name.empty() || control.isNull())
        return val::null();
    // An option button's name is on its label; the radio inside takes the focus.
    if (control["tagName"].as<std::string>() == "LABEL")
        control = control["firstElementChild"];
    return control;
}

void PageForm1::focusControl(const std::string& name) {
    const val control = focusTarget(name);
    if (!control.isNull())
        control.call<void>("focus");
}

void PageForm1::render(const Effect& effect) {
    std::visit(drawing(), effect);
}

// Intl's first use takes 30 to 110 ms: while the user reads the welcome box, or once the window
// is up, never on the way to it.
void PageForm1::readLocaleWhenIdle() {
    if (!m_readLocale)
        m_readLocale =
            std::make_unique<IdleAfterPaint>([this] { m_conversation.readNumberLocale(); });
}

int PageForm1::textWidth(int textIndex, std::string_view text) const {
    if (m_measure.isNull())
        m_measure = page::create("canvas").call<val>("getContext", val("2d"));
    std::string& font = m_fonts.at(textIndex);
    if (font.empty())
        font = val::global("getComputedStyle")(m_texts.at(textIndex))["font"].as<std::string>();
    m_measure.set("font", font);
    return m_measure.call<val>("measureText", std::string(text))["width"].as<int>();
}

int PageForm1::room(int textIndex) const {
    int& room = m_rooms.at(textIndex);
    if (room >= 0)
        return room;
    const val box = m_texts.at(textIndex);
    const int width = box["clientWidth"].as<int>();
    const val style = val::global("getComputedStyle")(box);
    const int inside =
        width - int(cssPixels(style, "paddingLeft")) - int(cssPixels(style, "paddingRight"));
    // A hidden box has no width yet: measured again once it shows.
    if (width > 0)
        room = inside;
    return inside;
}
