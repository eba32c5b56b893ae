#include "form3.h"
