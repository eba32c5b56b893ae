#include "web/input/key.h"

#include <cctype>

char pressedLetter(const Key& key) {
    if (key.code.size() == 4 && key.code.starts_with("Key"))
        return static_cast<char>(std::tolower(static_cast<unsigned char>(key.code[3])));
    return key.key.size() == 1
               ? static_cast<char>(std::tolower(static_cast<unsigned char>(key.key[0])))
               : '\0';
}
