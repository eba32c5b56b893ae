#pragma once

#include <functional>
#include <memory>

#include <emscripten/val.h>

#include "web/listener.h"
#include "web/page_panel.h"

// The information window: a panel over the page with a title bar that moves it and a close
// button, the help text, the link to the maker's page and the two pictures. Destroying it takes
// it off the page.
class PageForm3 {
public:
    // Placed over the middle of the main window. onClose: the user closed it (its close button,
    // Escape); the owner destroys it.
    PageForm3(emscripten::val mainWindow, std::function<void()> onClose);
    PageForm3(const PageForm3&) = delete;
    PageForm3& operator=(const PageForm3&) = delete;

    // Brings the panel to the front, whole on the screen wherever it was left, with the focus in
    // the help text.
    void raise();

private:
    void load();

    PagePanel m_panel;
    emscripten::val m_text1 = emscripten::val::null();
    emscripten::val m_image1 = emscripten::val::null();
    std::unique_ptr<Listener> m_bannerLoad;
};
