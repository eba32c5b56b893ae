#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// Why a typed equation cannot be read, in plain words, with the place in the text it is about:
// where it starts and how long it is, in bytes. Thrown wherever the reading finds it, and caught
// once by readEquation.
class Refusal : public std::runtime_error {
public:
    Refusal(const std::string& message, std::size_t place, std::size_t length)
        : std::runtime_error(message), m_place(place), m_length(length) {}
    std::size_t place() const { return m_place; }
    std::size_t length() const { return m_length; }

private:
    std::size_t m_place, m_length;
};
