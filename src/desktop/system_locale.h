#pragma once

#include "core/numbers/number_locale.h"

class QLocale;

// What Qt says of a locale's numbers: its separators, its region and its own writing of a long
// number, from which the core makes the user's number format.
LocaleFacts localeFacts(const QLocale& locale);

// The user's number format for a Qt locale.
NumberLocale numberLocale(const QLocale& locale);
