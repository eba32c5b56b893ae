#include "web/context_menu.h"

#include <cmath>
#include <utility>

#include "core/design/main_window_design.h"
#include "web/browser_event.h"
#include "web/input/context_menu_keys.h"
#include "web/page.h"

using emscripten::val;

namespace {

bool isTextBox(val control) {
    return control["tagName"].as<std::string>() == "INPUT";
}

} // namespace

void copyToClipboard(const std::string& text, val field, val copied) {
    const val clipboard = val::global("navigator")["clipboard"];
    if (clipboard.isUndefined()) {
        if (field.isNull())
            return;
        if (field["selectionStart"].strictlyEquals(field["selectionEnd"]))
            field.call<void>("select");
        if (page::document().call<bool>("execCommand", val("copy")) && !copied.isUndefined())
            copied();
        return;
    }
    // A refused write (no permission, the page not focused) leaves the clipboard as it was.
    static PageCallback ignored([](val) {});
    clipboard.call<val>("writeText", text)
        .call<val>("then", copied)
        .call<void>("catch", ignored.function());
}

ContextMenu::ContextMenu(val parent, val area, const LastFocus& lastFocus, ShowWorking showWorking)
    : m_lastFocus(lastFocus), m_showWorking(std::move(showWorking)), m_pressTimer([this] {
          const val control = std::exchange(m_pressControl, val::null());
          if (!control.isNull())
              open(control, m_press.x(), m_press.y());
      }) {
    m_popup = page::create("div", "ContextMenu");
    page::addClass(m_popup, "contextmenu");
    m_popup.call<void>("setAttribute", val("role"), val("menu"));
    page::setHidden(m_popup, true);
    m_copy = addItem("Copy", "Copy");
    m_selectAll = addItem("SelectAll", "Select All");
    m_working = addItem(workingMenu.itemName, workingMenu.itemCaption);
    setWorkingEnabled(false);
    // A press on an item keeps the focus where it is (Safari would take it off the menu and
    // close it before the click).
    listen(m_popup, "mousedown", [](val e) { e.call<void>("preventDefault"); });
    listen(m_popup, "contextmenu", [](val e) { e.call<void>("preventDefault"); });
    listen(m_popup, "keydown", [this](val e) { menuKey(e); });
    listen(m_popup, "focusout", [this](val e) {
        const val to = e["relatedTarget"];
        if (to.isNull() || !m_popup.call<bool>("contains", to))
            close(false);
    });
    listen(page::document(), "pointerdown", [this](val e) {
        if (isOpen() && !m_popup.call<bool>("contains", e["target"]))
            close(false);
    });
    listen(val::global("window"), "resize", [this](val) { close(false); });
    // One listener of each kind for every attached control.
    constexpr auto capture = Listener::Phase::Capture;
    listen(
        area, "contextmenu",
        [this](val e) {
            const val control = attachedTo(e);
            if (control.isNull())
                return;
            e.call<void>("preventDefault");
            // Already opened by the keyboard or a long press.
            if (isOpen() && m_control.strictlyEquals(control))
                return;
            open(control, e["clientX"].as<double>(), e["clientY"].as<double>());
        },
        capture);
    listen(
        area, "keydown",
        [this](val e) {
            if (!opensContextMenu(readKey(e)))
                return;
            const val control = attachedTo(e);
            if (control.isNull())
                return;
            e.call<void>("preventDefault");
            const val rect = control.call<val>("getBoundingClientRect");
            open(control, rect["left"].as<double>(), rect["bottom"].as<double>());
        },
        capture);
    listen(
        area, "pointerdown", [this](val e) { pressed(e); }, capture);
    for (const char* type : {"pointermove", "pointerup", "pointercancel"})
        listen(
            area, type, [this](val e) { touch(e); }, capture);
    page::append(parent, m_popup);
}

ContextMenu::~ContextMenu() {
    m_popup.call<void>("remove");
}

void ContextMenu::listen(val target, const char* type, PageCallback::Callback callback,
                         Listener::Phase phase) {
    m_listeners.push_back(std::make_unique<Listener>(target, type, std::move(callback), phase));
}

val ContextMenu::addItem(const char* name, const char* caption) {
    val item = page::create("button", name);
    item.set("type", "button");
    item.call<void>("setAttribute", val("role"), val("menuitem"));
    // Reached with the arrows, not with Tab.
    item.set("tabIndex", -1);
    page::setText(item, caption);
    listen(item, "click", [this, item](val) { choose(item); });
    page::append(m_popup, item);
    return item;
}

void ContextMenu::attach(val control) {
    m_attached.push_back(std::move(control));
}

val ContextMenu::attachedTo(val event) const {
    const val target = event["target"];
    for (const val& control : m_attached)
        if (control.strictlyEquals(target) || control.call<bool>("contains", target))
            return control;
    return val::null();
}

void ContextMenu::pressed(val event) {
    const Pointer down = readPointer(event);
    if (!LongPress::begins(down))
        return;
    const val control = attachedTo(event);
    if (control.isNull())
        return;
    cancelPress();
    m_pressControl = control;
    m_press.begin(down);
    m_pressTimer.after(LongPress::delayMs);
}

void ContextMenu::touch(val event) {
    if (!m_pressControl.isNull() && m_press.endedBy(readPointer(event)))
        cancelPress();
}

void ContextMenu::cancelPress() {
    m_pressTimer.cancel();
    m_pressControl = val::null();
}

void ContextMenu::setWorkingEnabled(bool enabled) {
    m_workingEnabled = enabled;
    m_working.call<void>("setAttribute", val("aria-disabled"), val(enabled ? "false" : "true"));
}

void ContextMenu::open(val control, double x, double y) {
    cancelPress();
    if (!isOpen()) {
        // A box takes the focus back itself; the status line cannot have it, so the focus goes
        // back to the control the user was on: a click on the line has taken it from there.
        const val last = m_lastFocus.control();
        m_focusBefore = control["tabIndex"].as<int>() >= 0 ? control
                        : last.isNull()                    ? page::document()["activeElement"]
                                                           : last;
    }
    m_control = control;
    const bool textBox = isTextBox(control);
    page::setHidden(m_copy, !textBox);
    page::setHidden(m_selectAll, !textBox);
    page::setHidden(m_popup, false);
    // At the pointer, kept on the screen.
    const val view = val::global("window");
    const double room = view["innerWidth"].as<double>() - m_popup["offsetWidth"].as<double>();
    const double height = view["innerHeight"].as<double>() - m_popup["offsetHeight"].as<double>();
    m_popup["style"].set("left", page::px(std::fmax(0, std::fmin(x, room))));
    m_popup["style"].set("top", page::px(std::fmax(0, std::fmin(y, height))));
    m_popup.call<val>("querySelector", val("button:not([hidden])")).call<void>("focus");
}

void ContextMenu::close(bool restoreFocus) {
    if (!isOpen())
        return;
    m_control = val::null();
    const val before = m_focusBefore;
    m_focusBefore = val::null();
    page::setHidden(m_popup, true);
    if (restoreFocus && !before.isNull() && !before.isUndefined())
        before.call<void>("focus");
}

void ContextMenu::choose(val item) {
    if (!isOpen())
        return;
    const val control = m_control;
    const val returnFocus = m_focusBefore;
    if (item.strictlyEquals(m_working)) {
        if (!m_workingEnabled)
            return;
        close(true);
        m_showWorking(control["dataset"]["name"].as<std::string>(), returnFocus);
        return;
    }
    close(true);
    if (item.strictlyEquals(m_selectAll)) {
        control.call<void>("select");
        return;
    }
    // Copy: what is selected in the box, or all of it.
    const std::string value = control["value"].as<std::string>();
    const val start = control["selectionStart"];
    const val end = control["selectionEnd"];
    std::string text = value;
    if (start.isNumber() && end.isNumber() && start.as<int>() < end.as<int>())
        text = control["value"].call<std::string>("substring", start, end);
    copyToClipboard(text, control);
}

void ContextMenu::menuKey(val event) {
    using Kind = ContextMenuKeyAction::Kind;
    const ContextMenuKeyAction action = contextMenuKey(readKey(event));
    if (action.keepFromBrowser)
        event.call<void>("preventDefault");
    if (action.keepFromPage)
        event.call<void>("stopPropagation");
    if (action.kind == Kind::Close)
        close(true);
    if (action.kind != Kind::Move)
        return;
    const val items = m_popup.call<val>("querySelectorAll", val("button:not([hidden])"));
    const int count = items["length"].as<int>();
    if (count == 0)
        return;
    int at = 0;
    for (int index = 0; index < count; ++index)
        if (items[index].strictlyEquals(page::document()["activeElement"]))
            at = index;
    items[itemAfter(action.move, at, count)].call<void>("focus");
}
