#pragma once

#include "core/numbers/number_locale.h"

// What the browser's Intl says of the user's language (navigator.language): its separators,
// plain and as money, its region and its own writing of a long number.
LocaleFacts browserLocaleFacts();

// The user's number format in the browser.
NumberLocale browserNumberLocale();
