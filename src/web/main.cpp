#include <memory>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "web/page.h"
#include "web/page_form1.h"
#include "web/page_form3.h"

using emscripten::val;

// The page's events come in through these functions, which the elements are given as their
// listeners (page::listen); each forwards to the window it concerns.
namespace {

std::unique_ptr<PageForm1> form1;

bool running() {
    return form1 && !form1->hasEnded();
}

void onCommandClick(val event) {
    if (running())
        form1->commandClicked(page::nameOf(event));
}

void onMenuButton(val event) {
    if (running())
        form1->menuButtonClicked(page::nameOf(event));
}

void onMenuItem(val event) {
    if (running())
        form1->menuItemClicked(page::nameOf(event));
}

void onDocumentKey(val event) {
    if (running())
        form1->keyPressed(event);
}

void onDocumentPointer(val event) {
    if (running())
        form1->pointerPressed(event);
}

void onBoxButton(val event) {
    if (running())
        form1->boxes().buttonClicked(page::nameOf(event));
}

void onBoxCancel(val event) {
    // Escape: the box is answered, and taken away, by the program.
    event.call<void>("preventDefault");
    if (running())
        form1->boxes().cancelled(event["currentTarget"]);
}

void onBoxKey(val event) {
    if (!running() || event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>())
        return;
    form1->boxes().letterPressed(event["key"].as<std::string>());
}

void onInfoClose(val) {
    if (running())
        form1->form3Closed();
}

void onInfoTitlePointer(val event) {
    if (running() && form1->form3())
        form1->form3()->titlePointer(event);
}

// The welcome box's frame is about to paint. The window (35 ms here, most of it Intl's first
// use) is built once the page is idle after that paint, so that the paint's next task, a key or a
// click on the box, is not kept waiting behind it. Safari has no requestIdleCallback.
void onWelcomeFrame(val) {
    const val window = val::global("window");
    const val build = val::module_property("onWelcomePainted");
    if (window["requestIdleCallback"].isUndefined())
        window.call<void>("setTimeout", build, 0, val::undefined());
    else
        window.call<void>("requestIdleCallback", build);
}

// Called with an IdleDeadline, or undefined; the whole window is built at once.
void onWelcomePainted(val) {
    if (running())
        form1->createContents();
}

void onBannerLoaded(val event) {
    if (running() && form1->form3())
        form1->form3()->bannerLoaded(event["currentTarget"]);
}

// Without a service worker (an insecure origin, a private window) the page still works, only not
// offline: nothing to tell the user.
void onServiceWorkerRefused(val) {}

// The service worker keeps the page's files, so that it starts without a network next time.
void registerServiceWorker() {
    const val serviceWorker = val::global("navigator")["serviceWorker"];
    if (serviceWorker.isUndefined())
        return;
    serviceWorker.call<val>("register", val("sw.js"))
        .call<void>("catch", val::module_property("onServiceWorkerRefused"));
}

} // namespace

EMSCRIPTEN_BINDINGS(velmora) {
    emscripten::function("onCommandClick", &onCommandClick);
    emscripten::function("onMenuButton", &onMenuButton);
    emscripten::function("onMenuItem", &onMenuItem);
    emscripten::function("onDocumentKey", &onDocumentKey);
    emscripten::function("onDocumentPointer", &onDocumentPointer);
    emscripten::function("onBoxButton", &onBoxButton);
    emscripten::function("onBoxCancel", &onBoxCancel);
    emscripten::function("onBoxKey", &onBoxKey);
    emscripten::function("onInfoClose", &onInfoClose);
    emscripten::function("onInfoTitlePointer", &onInfoTitlePointer);
    emscripten::function("onBannerLoaded", &onBannerLoaded);
    emscripten::function("onWelcomeFrame", &onWelcomeFrame);
    emscripten::function("onWelcomePainted", &onWelcomePainted);
    emscripten::function("onServiceWorkerRefused", &onServiceWorkerRefused);
}

int main() {
    form1 = std::make_unique<PageForm1>();
    form1->load();
    registerServiceWorker();
    // The page's events keep the program running after main returns.
    return 0;
}
