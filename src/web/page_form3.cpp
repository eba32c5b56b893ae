#include "web/page_form3.h"

#include <string>

#include "core/design/info_window_design.h"
#include "web/page.h"

using emscripten::val;

PageForm3::PageForm3(val mainWindow, std::function<void()> onClose)
    : m_panel(infoWindowDesign().name, "form3", infoWindowDesign().caption, 33,
              std::move(onClose)) {
    const InfoWindowDesign& design = infoWindowDesign();
    val client = page::create("div");
    page::addClass(client, "client");
    page::place(client, {0, 0, design.clientWidth, design.clientHeight});
    client["style"].set("background", css::colour(design.background));

    // Read-only: scroll, select and copy, never change.
    m_text1 = page::create("textarea", "Text1");
    m_text1.set("readOnly", true);
    m_text1.set("tabIndex", 32);
    m_text1.set("spellcheck", false);
    m_text1.call<void>("setAttribute", val("aria-label"), val(design.caption));
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
    m_image1.set("width", static_cast<int>(css::toPixels(design.bannerPlace.width) * ratio + 0.5));
    m_image1.set("height",
                 static_cast<int>(css::toPixels(design.bannerPlace.height) * ratio + 0.5));
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

    m_panel.append(client);
    m_panel.placeOver(mainWindow);

    load();
}

void PageForm3::load() {
    // textContent keeps the CR LF between the lines; the box shows each as one line break.
    page::setText(m_text1, helpText());
}

void PageForm3::raise() {
    m_panel.raise(m_text1);
}
