#pragma once

#include <vector>

#include "core/numbers/numbers.h"
#include "core/practice/sheet_code.h"

class QPrinter;

// Prints the teacher's sheet and its key, with the working where asked for, on the printer's
// paper; the key starts a page of its own.
void printSheet(QPrinter& printer, const SheetCode& code, const std::vector<Exercise>& exercises,
                const NumberLocale& locale, bool withWorking);
