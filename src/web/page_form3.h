#pragma once

#include <emscripten/val.h>

// The information window: a panel over the page with a title bar that moves it and a close
// button, the help text, the link to the maker's page and the two pictures. Destroying it takes
// it off the page.
class PageForm3 {
public:
    // Placed over the middle of the main window.
    explicit PageForm3(emscripten::val mainWindow);
    ~PageForm3();
    PageForm3(const PageForm3&) = delete;
    PageForm3& operator=(const PageForm3&) = delete;

    // Brings the panel to the front with the focus in the help text.
    void raise();
    // Pointer events on the title bar drag the panel.
    void titlePointer(emscripten::val event);
    // The banner has loaded: its first frame is drawn, still.
    void bannerLoaded(emscripten::val image);

private:
    void load();

    emscripten::val m_panel = emscripten::val::null();
    emscripten::val m_text1 = emscripten::val::null();
    emscripten::val m_image1 = emscripten::val::null();
    bool m_dragging = false;
    double m_dragX = 0, m_dragY = 0;
};
