// The baseline of the page's benchmarks: the least an Emscripten page can do to greet the user,
// one modal dialog with a line of text and an OK button, built like Velmora's page.
#include <string>

#include <emscripten/bind.h>
#include <emscripten/val.h>

using emscripten::val;

namespace {

void onOk(val event) {
    event["currentTarget"]["parentElement"].call<void>("remove");
}

} // namespace

EMSCRIPTEN_BINDINGS(minimal) {
    emscripten::function("onOk", &onOk);
}

int main() {
    val document = val::global("document");
    val dialog = document.call<val>("createElement", std::string("dialog"));
    val text = document.call<val>("createElement", std::string("p"));
    text.set("textContent", std::string("Hello"));
    val button = document.call<val>("createElement", std::string("button"));
    button.set("textContent", std::string("OK"));
    button.call<void>("addEventListener", std::string("click"), val::module_property("onOk"));
    dialog.call<void>("append", text);
    dialog.call<void>("append", button);
    document["body"].call<void>("append", dialog);
    dialog.call<void>("showModal");
    return 0;
}
