#include "web/method_list.h"

#include <string>

#include "core/design/working_window_design.h"
#include "web/page.h"

using emscripten::val;

MethodList::MethodList(const char* name, const char* id, int tabIndex)
    : m_select(page::create("select", name)) {
    m_select.set("id", id);
    m_select.set("tabIndex", tabIndex);
    m_select.set("disabled", true);
}

void MethodList::show(const std::vector<MethodChoice>& methods, WorkingMethod chosen) {
    // Filled again only when the kind offers others: the focus stays on the list.
    if (methods != m_methods) {
        m_methods = methods;
        m_select.call<void>("replaceChildren");
        for (const MethodChoice& choice : methods) {
            val option = page::create("option");
            option.set("value", std::to_string(int(choice.method)));
            page::setText(option, choice.applies ? choice.name
                                                 : greyedMethodCaption(choice.name, choice.reason));
            option.set("disabled", !choice.applies);
            page::append(m_select, option);
        }
    }
    // Nothing to choose before a run or after a warning.
    m_select.set("disabled", methods.empty());
    if (!methods.empty())
        m_select.set("value", std::to_string(int(chosen)));
}

WorkingMethod MethodList::chosen() const {
    return WorkingMethod(std::stoi(m_select["value"].as<std::string>()));
}
