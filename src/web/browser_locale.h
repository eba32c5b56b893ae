#pragma once

#include "core/numbers.h"

// The user's number format, from the browser's language (navigator.language) through Intl:
// the separators and group sizes of its number format, and the symbol of its region's currency.
NumberLocale browserNumberLocale();
