#pragma once

// One function object of several lambdas, one for each alternative of a variant:
// std::visit(overloaded{[](const A&) {...}, [](const B&) {...}}, value).
template <class... Functions> struct overloaded : Functions... { using Functions::operator()...; };
template <class... Functions> overloaded(Functions...) -> overloaded<Functions...>;
