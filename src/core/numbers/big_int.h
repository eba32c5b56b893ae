#pragma once

#include <string>

#include <boost/multiprecision/cpp_int.hpp>

// Integers of any size, for exact arithmetic that never gives up on a number's size: Boost's
// cpp_int, without the expression templates, whose many instantiations grew the page's program
// past what the exact arithmetic is worth.
using BigInt = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                             boost::multiprecision::et_off>;

// "-12345678901234567890123": the digits are written here, in chunks of eighteen, because
// Boost's own text conversion drags the iostreams into the page's program.
std::string decimalText(const BigInt& n);

// 10^exponent, exponent >= 0.
BigInt powerOfTen(int exponent);
