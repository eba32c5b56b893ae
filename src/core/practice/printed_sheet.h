#pragma once

#include <string>
#include <vector>

#include "core/numbers/numbers.h"
#include "core/practice/sheet_code.h"

// A teacher's sheet for printing: the exercises with the sheet's code, then on a page of its own
// the key, with the working where asked for. Plain HTML that Qt's text documents and browsers
// print alike, on A4 or Letter.
std::string printedSheet(const SheetCode& code, const std::vector<Exercise>& exercises,
                         const NumberLocale& locale, bool withWorking);
