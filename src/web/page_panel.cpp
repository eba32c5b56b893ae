#include "web/page_panel.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/design/main_window_design.h"
#include "core/design/panel_placement.h"
#include "web/page.h"

using emscripten::val;

namespace {

PanelRect rectOf(val element) {
    const val rect = element.call<val>("getBoundingClientRect");
    return {rect["left"].as<int>(), rect["top"].as<int>(), rect["width"].as<int>(),
            rect["height"].as<int>()};
}

PanelRect united(const PanelRect& one, const PanelRect& other) {
    const int left = std::min(one.left, other.left), top = std::min(one.top, other.top);
    return {left, top, std::max(one.right(), other.right()) - left,
            std::max(one.bottom(), other.bottom()) - top};
}

double within(double value, double low, double high) {
    return value > high ? (high < low ? low : high) : (value < low ? low : value);
}

// The coefficient boxes and "run", which a panel leaves in sight: the pupil changes one and runs
// again while reading it.
std::string coefficientsAndRun() {
    std::string selector = ".box:not([readonly])";
    for (const ControlDesign& row : mainWindowDesign().controls)
        if (row.kind == ControlKind::PushButton && row.command == Command::Run)
            selector += ", [data-name=\"" + std::string(row.name) + "\"]";
    return selector;
}

} // namespace

PagePanel::PagePanel(const char* name, const char* cssClass, const char* caption, int closeTabIndex,
                     std::function<void()> onClose)
    : m_onClose(std::move(onClose)) {
    m_panel = page::create("section", name);
    page::addClass(m_panel, cssClass);
    m_panel.call<void>("setAttribute", val("role"), val("dialog"));
    m_panel.call<void>("setAttribute", val("aria-label"), val(caption));

    val titleBar = page::create("div");
    page::addClass(titleBar, "titlebar");
    val title = page::create("span");
    page::setText(title, caption);
    val close = page::create("button");
    close.set("type", "button");
    // In the tab order after the panel's controls, so that the keyboard can always leave it.
    close.set("tabIndex", closeTabIndex);
    close.call<void>("setAttribute", val("aria-label"), val("Close"));
    page::setText(close, "\u00d7");
    listen(close, "click", [this](val) { m_onClose(); });
    page::append(titleBar, title);
    page::append(titleBar, close);
    for (const char* event : {"pointerdown", "pointermove", "pointerup", "pointercancel"})
        listen(titleBar, event, [this](val e) { titlePointer(e); });
    listen(m_panel, "keydown", [this](val e) {
        if (e["key"].as<std::string>() == "Escape") {
            e.call<void>("preventDefault");
            m_onClose();
        }
    });
    page::append(m_panel, titleBar);
}

PagePanel::~PagePanel() {
    m_listeners.clear();
    hide();
    m_panel.call<void>("remove");
}

void PagePanel::hide() {
    m_dragging = false;
    page::setHidden(m_panel, true);
    if (m_sheet) {
        page::document()["documentElement"]["style"].set("scrollPaddingBottom", "");
        page::document()["body"]["style"].set("paddingBottom", "");
        m_panel["classList"].call<void>("remove", val("sheet"));
        m_panel["classList"].call<void>("remove", val("full-screen"));
        m_panel["style"].set("height", "");
        m_sheet = false;
    }
}

void PagePanel::append(val content) {
    page::append(m_panel, std::move(content));
}

void PagePanel::listen(val target, const char* type, PageCallback::Callback callback) {
    m_listeners.push_back(std::make_unique<Listener>(std::move(target), type, std::move(callback)));
}

void PagePanel::placeOver(val mainWindow) {
    page::append(page::document()["body"], m_panel);
    const val window = mainWindow.call<val>("getBoundingClientRect");
    const val view = val::global("window");
    const double left = view["scrollX"].as<double>() + window["left"].as<double>() +
                        (window["width"].as<double>() - m_panel["offsetWidth"].as<double>()) / 2;
    const double top = view["scrollY"].as<double>() + window["top"].as<double>() +
                       (window["height"].as<double>() - m_panel["offsetHeight"].as<double>()) / 2;
    m_panel["style"].set("left", page::px(left < 0 ? 0 : left));
    m_panel["style"].set("top", page::px(top < 0 ? 0 : top));
}

void PagePanel::placeBeside(val mainWindow, val widest, OnPhone onPhone) {
    const val keptVisible = mainWindow.call<val>("querySelectorAll", val(coefficientsAndRun()));
    const val body = page::document()["body"];
    page::setHidden(m_panel, false);
    page::append(body, m_panel);
    // Its size as it wants it, and the least width its content wraps to: the widest control
    // with the panel's edges on both sides.
    m_panel["style"].set("maxWidth", "none");
    m_panel["style"].set("width", "max-content");
    PanelRequest request;
    request.width = m_panel["offsetWidth"].as<int>();
    request.height = m_panel["offsetHeight"].as<int>();
    const PanelRect content = rectOf(widest);
    request.narrowest = content.width + 2 * (content.left - rectOf(m_panel).left);
    m_panel["style"].set("width", "");
    m_panel["style"].set("maxWidth", "");

    const val root = page::document()["documentElement"];
    request.screen = {0, 0, root["clientWidth"].as<int>(),
                      val::global("window")["innerHeight"].as<int>()};
    request.mainWindow = rectOf(mainWindow);
    const val open = page::document().call<val>("querySelectorAll", val("body > section"));
    for (int index = 0; index < open["length"].as<int>(); ++index)
        if (!open[index].equals(m_panel) && !open[index]["hidden"].as<bool>())
            request.panels.push_back(rectOf(open[index]));
    bool anyKept = false;
    for (int index = 0; index < keptVisible["length"].as<int>(); ++index)
        if (keptVisible[index].call<val>("getClientRects")["length"].as<int>() > 0) {
            const PanelRect box = rectOf(keptVisible[index]);
            request.keepVisible = anyKept ? united(request.keepVisible, box) : box;
            anyKept = true;
        }
    request.phone = mainWindow["classList"].call<bool>("contains", val("narrow"));
    request.fullScreenOnPhone = onPhone == OnPhone::FullScreen;

    const PanelPlacement placement = placePanel(request);
    const PanelRect& rect = placement.rect;
    const bool fullScreen = placement.kind == PanelPlacement::Kind::FullScreen;
    m_sheet = fullScreen || placement.kind == PanelPlacement::Kind::Sheet;
    const val view = val::global("window");
    // A sheet stays over the lower part of the view, above the sheets open; the page scrolls
    // above them, and what the pupil goes to is scrolled clear of them. A view of the whole
    // screen leaves the page as it is under it.
    const double scrollX = m_sheet ? 0 : view["scrollX"].as<double>();
    const double scrollY = m_sheet ? 0 : view["scrollY"].as<double>();
    if (m_sheet) {
        page::addClass(m_panel, fullScreen ? "full-screen" : "sheet");
        if (!fullScreen) {
            const int covered = request.screen.bottom() - rect.top;
            root["style"].set("scrollPaddingBottom", page::px(covered));
            body["style"].set("paddingBottom", page::px(covered));
        }
        m_panel["style"].set("height", page::px(rect.height));
    }
    m_panel["style"].set("left", page::px(rect.left + scrollX));
    m_panel["style"].set("top", page::px(rect.top + scrollY));
    m_panel["style"].set("width", page::px(rect.width));
    // Beside or below, a panel whose content grows after it is placed may grow to the view's
    // bottom before it scrolls.
    m_panel["style"].set(
        "maxHeight", page::px(m_sheet ? rect.height
                                      : std::max(rect.height, request.screen.bottom() - rect.top)));
}

void PagePanel::hideFromView() {
    m_panel["style"].set("visibility", "hidden");
}

void PagePanel::raise(val focus) {
    // The panel last among the page's elements stands in front.
    page::append(page::document()["body"], m_panel);
    const val window = val::global("window");
    const double scrollX = m_sheet ? 0 : window["scrollX"].as<double>();
    const double scrollY = m_sheet ? 0 : window["scrollY"].as<double>();
    const double room = window["innerWidth"].as<double>() - m_panel["offsetWidth"].as<double>();
    const double height = window["innerHeight"].as<double>() - m_panel["offsetHeight"].as<double>();
    m_panel["style"].set(
        "left", page::px(within(m_panel["offsetLeft"].as<double>(), scrollX, scrollX + room)));
    m_panel["style"].set(
        "top", page::px(within(m_panel["offsetTop"].as<double>(), scrollY, scrollY + height)));
    this->focus(focus);
}

void PagePanel::focus(val control) {
    // A sheet stands over the view already; scrolled to the focus, its title bar would cover the
    // top of its content.
    if (m_sheet) {
        val options = val::object();
        options.set("preventScroll", true);
        control.call<void>("focus", options);
    } else {
        control.call<void>("focus");
    }
}

void PagePanel::titlePointer(val event) {
    const std::string type = event["type"].as<std::string>();
    const double x = event["clientX"].as<double>();
    const double y = event["clientY"].as<double>();
    if (type == "pointerdown") {
        if (event["target"]["tagName"].as<std::string>() == "BUTTON")
            return; // the close button
        m_dragging = true;
        m_dragX = x - m_panel["offsetLeft"].as<double>();
        m_dragY = y - m_panel["offsetTop"].as<double>();
        event["currentTarget"].call<void>("setPointerCapture", event["pointerId"]);
        event.call<void>("preventDefault");
    } else if (type == "pointermove" && m_dragging) {
        m_panel["style"].set("left", page::px(x - m_dragX));
        m_panel["style"].set("top", page::px(y - m_dragY < 0 ? 0 : y - m_dragY));
    } else if (type == "pointerup" || type == "pointercancel") {
        m_dragging = false;
    }
}
