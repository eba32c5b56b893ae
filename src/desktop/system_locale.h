#pragma once

#include "core/numbers.h"

class QLocale;

// The user's number format as the core reads and writes it, from a Qt locale: its decimal and
// group separators, its currency symbol and the sizes of its digit groups.
NumberLocale numberLocale(const QLocale& locale);
