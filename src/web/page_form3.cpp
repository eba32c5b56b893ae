#include "web/page_form3.h"

#include <string>

#include "core/info_window_design.h"
#include "web/page.h"

using emscripten::val;

namespace {

void addClass(val element, const char* name) {
    element["classList"].call<void>("add", val(name));
}

std::string px(double pixels) {
    return std::to_string(static_cast<int>(pixels)) + "px";
}

} // namespace

PageForm3::PageForm3(val mainWindow) {
    const InfoWindowDesign& design = infoWindowDesign();
    m_panel = page::create("section", design.name);
    addClass(m_panel, "form3");
    m_panel.call<void>("setAttribute", val("role"), val("dialog"));
    m_panel.call<void>("setAttribute", val("aria-label"), val(design.caption));

    val titleBar = page::create("div");
    addClass(titleBar, "titlebar");
    val caption = page::create("span");
    page::setText(caption, design.caption);
    val close = page::create("button");
    close.set("type", "button");
    close.set("tabIndex", -1);
    close.call<void>("setAttribute", val("aria-label"), val("Close"));
    page::setText(close, "\u00d7");
    page::listen(close, "click", "onInfoClose");
    page::append(titleBar, caption);
    page::append(titleBar, close);
    for (const char* event : {"pointerdown", "pointermove", "pointerup", "pointercancel"})
        page::listen(titleBar, event, "onInfoTitlePointer");
    page::append(m_panel, titleBar);

    val client = page::create("div");
    addClass(client, "client");
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

    // The banner still, as its first frame: an <img> would play it.
    m_image1 = page::create("canvas", "Image1");
    page::place(m_image1, design.bannerPlace);
    m_image1.set("width", page::toPixels(design.bannerPlace.width));
    m_image1.set("height", page::toPixels(design.bannerPlace.height));
    page::append(client, m_image1);
    val banner = val::global("Image").new_();
    page::listen(banner, "load", "onBannerLoaded");
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
    const double left = window["left"].as<double>() + (window["width"].as<double>() - width) / 2;
    const double top = window["top"].as<double>() + (window["height"].as<double>() - height) / 2;
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

void PageForm3::raise() {
    // The panel last among the page's elements stands in front.
    page::append(page::document()["body"], m_panel);
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

void PageForm3::bannerLoaded(val image) {
    m_image1.call<val>("getContext", val("2d")).call<void>("drawImage", image, 0, 0);
}
