#include "web/page_form3.h"

#include <string>

#include "core/info_window_design.h"
#include "web/page.h"

using emscripten::val;

namespace {

std::string px(double pixels) {
    return std::to_string(static_cast<int>(pixels)) + "px";
}

} // namespace

PageForm3::PageForm3(val mainWindow, std::function<void()> onClose)
    : m_onClose(std::move(onClose)) {
    const InfoWindowDesign& design = infoWindowDesign();
    m_panel = page::create("section", design.name);
    page::addClass(m_panel, "form3");
    m_panel.call<void>("setAttribute", val("role"), val("dialog"));
    m_panel.call<void>("setAttribute", val("aria-label"), val(design.caption));

    val titleBar = page::create("div");
    page::addClass(titleBar, "titlebar");
    val caption = page::create("span");
    page::setText(caption, design.caption);
    val close = page::create("button");
    close.set("type", "button");
    // After the help text in the tab order, so that the keyboard can always leave the panel.
    close.set("tabIndex", 33);
    close.call<void>("setAttribute", val("aria-label"), val("Close"));
    page::setText(close, "\u00d7");
    listen(close, "click", [this](val) { m_onClose(); });
    page::append(titleBar, caption);
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

    val client = page::create("div");
    page::addClass(client, "client");
    page::place(client, {0, 0, design.clientWidth, design.clientHeight});
    client["style"].set("background", page::cssColour(design.background));

    // Read-only: scroll, select and copy, never change.
    m_text1 = page::create("textarea", "Text1");
    m_text1.set("readOnly", true);
    m_text1.set("tabIndex", 32);
    m_text1.set("spellcheck", false);
    page::place(m_text1, design.textPlace);
    page::setFont(m_text1, design.textFont);
    page::append(client, m_text1);

    // A link the browser opens in a new tab; it never takes the focus.
    val label1 = page::create("a", "Label1");
    page::setText(label1, design.linkCaption);
    label1.set("href", design.linkAddress);
    label1.set("target", "_blank");
    label1.set("rel", "noopener noreferrer");
    label1.set("tabIndex", -1);
    page::place(label1, design.linkPlace);
    page::setFont(label1, design.linkFont);
    label1["style"].set("cursor", "url(" + std::string(design.cursorFile) + ") 12 1, pointer");
    page::append(client, label1);

    // The banner still, as its first frame: an <img> would play it. Drawn at the screen's
    // pixels, so that a phone or a zoomed page shows it as sharp as the image allows.
    m_image1 = page::create("canvas", "Image1");
    page::place(m_image1, design.bannerPlace);
    const double ratio = val::global("window")["devicePixelRatio"].as<double>();
    m_image1.set("width", static_cast<int>(page::toPixels(design.bannerPlace.width) * ratio + 0.5));
    m_image1.set("height",
                 static_cast<int>(page::toPixels(design.bannerPlace.height) * ratio + 0.5));
    page::append(client, m_image1);
    val banner = val::global("Image").new_();
    m_bannerLoad = std::make_unique<Listener>(banner, "load", [this, ratio](val e) {
        const val image = e["currentTarget"];
        // At its own size, each of its pixels over ratio × ratio of the screen's.
        m_image1.call<val>("getContext", val("2d"))
            .call<void>("drawImage", image, 0, 0, image["naturalWidth"].as<double>() * ratio,
                        image["naturalHeight"].as<double>() * ratio);
    });
    banner.set("src", design.bannerFile);

    val image2 = page::create("img", "Image2");
    image2.set("src", design.stripFile);
    image2.set("alt", "");
    image2.set("draggable", false);
    page::place(image2, design.stripPlace);
    page::append(client, image2);

    page::append(m_panel, client);
    page::append(page::document()["body"], m_panel);

    // Over the middle of the main window, kept on the page.
    const val window = mainWindow.call<val>("getBoundingClientRect");
    const double width = m_panel["offsetWidth"].as<double>();
    const double height = m_panel["offsetHeight"].as<double>();
    // Placed in the page, not on the screen, so that a panel larger than a zoomed view scrolls
    // with it and its close button can always be reached.
    const val view = val::global("window");
    const double left = view["scrollX"].as<double>() + window["left"].as<double>() +
                        (window["width"].as<double>() - width) / 2;
    const double top = view["scrollY"].as<double>() + window["top"].as<double>() +
                       (window["height"].as<double>() - height) / 2;
    m_panel["style"].set("left", px(left < 0 ? 0 : left));
    m_panel["style"].set("top", px(top < 0 ? 0 : top));

    load();
}

PageForm3::~PageForm3() {
    m_panel.call<void>("remove");
}

void PageForm3::load() {
    // textContent keeps the CR LF between the lines; the box shows each as one line break.
    page::setText(m_text1, helpText());
}

void PageForm3::listen(val target, const char* type, PageCallback::Callback callback) {
    m_listeners.push_back(std::make_unique<Listener>(target, type, std::move(callback)));
}

void PageForm3::raise() {
    // The panel last among the page's elements stands in front.
    page::append(page::document()["body"], m_panel);
    // Wherever it was dragged or the page zoomed, it comes back whole, its title bar first.
    const val window = val::global("window");
    const double room = window["innerWidth"].as<double>() - m_panel["offsetWidth"].as<double>();
    const double height = window["innerHeight"].as<double>() - m_panel["offsetHeight"].as<double>();
    const double scrollX = window["scrollX"].as<double>();
    const double scrollY = window["scrollY"].as<double>();
    const auto within = [](double value, double low, double high) {
        return value > high ? (high < low ? low : high) : (value < low ? low : value);
    };
    m_panel["style"].set("left", px(within(m_panel["offsetLeft"].as<double>(), scrollX,
                                           scrollX + room)));
    m_panel["style"].set("top", px(within(m_panel["offsetTop"].as<double>(), scrollY,
                                          scrollY + height)));
    m_text1.call<void>("focus");
}

void PageForm3::titlePointer(val event) {
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
        m_panel["style"].set("left", px(x - m_dragX));
        m_panel["style"].set("top", px(y - m_dragY < 0 ? 0 : y - m_dragY));
    } else if (type == "pointerup" || type == "pointercancel") {
        m_dragging = false;
    }
}
