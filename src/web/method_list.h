#pragma once

#include <vector>

#include <emscripten/val.h>

#include "core/working/working.h"

// A <select> of the ways of working, as the Working and Practice panels show them: a greyed way
// says why in its own text, since an option shows no tooltip.
class MethodList {
public:
    // name: its data-name; id: for its label's htmlFor.
    MethodList(const char* name, const char* id, int tabIndex);

    const emscripten::val& element() const { return m_select; }
    void show(const std::vector<MethodChoice>& methods, WorkingMethod chosen);
    // The way the user chose in the list.
    WorkingMethod chosen() const;

private:
    emscripten::val m_select = emscripten::val::null();
    std::vector<MethodChoice> m_methods; // as the list shows them
};
