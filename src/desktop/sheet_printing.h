#pragma once

#include <string>

class QPrinter;

// Prints the teacher's sheet and its key, as the core writes them, on the printer's paper; the key
// starts a page of its own.
void printSheet(QPrinter& printer, const std::string& html);
