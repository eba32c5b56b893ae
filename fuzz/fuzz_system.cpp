// "run" in the System layout: the input is the texts of a1, b1, c1, a2, b2, c2, separated by NUL
// bytes. The outcome is worked out here again, independently, from the Singles that Val gives,
// and compared with what the window shows.

#include <cmath>
#include <string>

#include "fuzz_support.h"

namespace {

enum class Outcome { Undefined, Unsolvable, LoneX, LoneY, General };

struct Expected {
    Outcome outcome = Outcome::Undefined;
    double value = 0; // the unknown of a lone outcome
    // A step leaves the Single range or divides by zero: a fault may stop the run, and nothing
    // shown may then be an infinity or a NaN.
    bool extreme = false;
};

bool leavesSingleRange(double value) {
    return std::isinf(float(value));
}

// Two quotients compared as Singles; a zero divisor can only come from a D that lost a tiny
// product to the Single.
Expected ratioTest(double p1, double q1, double p2, double q2) {
    if (q1 == 0 || q2 == 0 || leavesSingleRange(p1 / q1) || leavesSingleRange(p2 / q2))
        return {Outcome::Unsolvable, 0, true};
    return {float(p1 / q1) == float(p2 / q2) ? Outcome::Undefined : Outcome::Unsolvable};
}

Expected lone(Outcome outcome, double p, double q) {
    return {outcome, p / q, leavesSingleRange(p / q)};
}

Expected expectedOutcome(float a1, float b1, float c1, float a2, float b2, float c2, float D,
                         float D1, float D2) {
    using enum Outcome;
    if (a1 == 0 && b1 == 0 && c1 == 0 && a2 == 0 && b2 == 0 && c2 == 0)
        return {Undefined};
    if (a1 == 0 && a2 == 0 && b1 == 0 && b2 == 0)
        return {Unsolvable}; // c1 or c2 is not 0, or the all-zero system had been taken
    if (a1 == 0 && a2 == 0 && c1 != 0 && c2 != 0 && b1 != 0 && b2 != 0)
        return ratioTest(c1, c2, b1, b2);
    if (b1 == 0 && b2 == 0 && c1 != 0 && c2 != 0 && a1 != 0 && a2 != 0)
        return ratioTest(c1, c2, a1, a2);
    if (a1 == 0 && b1 == 0) {
        if (c1 != 0)
            return {Unsolvable};
        if (a2 != 0 && b2 != 0 && c2 != 0)
            return {Undefined};
        if (a2 == 0 && b2 != 0 && c2 != 0)
            return lone(LoneY, c2, b2);
        if (a2 != 0 && b2 == 0 && c2 != 0)
            return lone(LoneX, c2, a2);
    }
    if (a2 == 0 && b2 == 0) {
        if (c2 != 0)
            return {Unsolvable};
        if (a1 != 0 && b1 != 0 && c1 != 0)
            return {Undefined};
        if (a1 == 0 && b1 != 0 && c1 != 0)
            return lone(LoneY, c1, b1);
        if (a1 != 0 && b1 == 0 && c1 != 0)
            return lone(LoneX, c1, a1);
    }
    if (D == 0) {
        if (c1 == 0 && c2 == 0)
            return {Undefined};
        if (c1 == 0 || c2 == 0)
            return {Unsolvable};
        return ratioTest(c1, c2, b1, b2);
    }
    return {General, 0, leavesSingleRange(double(D1) / D) || leavesSingleRange(double(D2) / D)};
}

void requireShown(const FuzzWindow& window, bool holds, std::string_view property) {
    require(holds, property, [&] { return window.describe(); });
}

// A shown number against its value: a determinant to Str's seven digits, an unknown to the
// seven digits of the Single it is rounded to, or to a denormal's few bits.
void requireNear(const FuzzWindow& window, double shown, double expected, double relative,
                 double absolute, std::string_view what) {
    require(isClose(shown, expected, relative, absolute), what, [&] {
        return "shown " + number(shown) + ", expected " + number(expected) + "\n" +
               window.describe();
    });
}

const char* outcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::Undefined:
        return "Undefined";
    case Outcome::Unsolvable:
        return "Unsolvable";
    case Outcome::LoneX:
        return "lone x";
    case Outcome::LoneY:
        return "lone y";
    case Outcome::General:
        return "general solution";
    }
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> texts = splitTexts(data, size, 6);
    FuzzWindow window(true, texts);
    window.run();

    if (window.anyEmpty) {
        requireShown(window, window.warning() == "Fill in a1,a2,...,c2!",
                     "an empty box: \"Fill in a1,a2,...,c2!\"");
        requireShown(window, window.emptied({}, {1}) && window.untouched({7, 8, 9, 10, 11}, {7, 8}),
                     "an empty box empties the status line only");
        return 0;
    }
    if (!window.allNumeric) {
        requireShown(window, window.warning() == "Check again! No numeric values!",
                     "a non-numeric box: \"Check again! No numeric values!\"");
        requireShown(window, window.emptied({7, 8, 9, 10, 11}, {1}) && window.untouched({}, {7, 8}),
                     "a non-numeric box empties Text(7) to Text(11) and the status line");
        return 0;
    }

    const std::vector<float> used = requireMeantValues(window, texts);
    float coefficients[6];
    bool finite = true;
    for (int index = 0; index < 6; ++index) {
        coefficients[index] = used[index];
        finite = finite && std::isfinite(coefficients[index]);
    }
    const auto [a1, b1, c1, a2, b2, c2] = coefficients;
    // The products of two Singles are exact in double precision; each determinant is then stored
    // as a Single.
    const float D = float(double(b2) * a1 - double(a2) * b1);
    const float D1 = float(double(b2) * c1 - double(c2) * b1);
    const float D2 = float(double(c2) * a1 - double(a2) * c1);
    Expected expected;
    if (!finite || std::isinf(D) || std::isinf(D1) || std::isinf(D2))
        expected.extreme = true;
    else
        expected = expectedOutcome(a1, b1, c1, a2, b2, c2, D, D1, D2);

    if (!window.warnings.empty()) {
        requireShown(window,
                     window.warning() == "Overflow" || window.warning() == "Division by zero",
                     "a fault warns \"Overflow\" or \"Division by zero\"");
        require(expected.extreme, "no fault for coefficients of ordinary size", [&] {
            return std::string("expected ") + outcomeName(expected.outcome) + "\n" +
                   window.describe();
        });
        requireShown(window, window.emptied({7, 8, 9, 10, 11}, {1, 7, 8}),
                     "a fault empties Text(7) to Text(11), Label(1), Label(7) and Label(8)");
        return 0;
    }

    const std::string& status = window.caption(1);
    requireShown(window,
                 status == "Undefined System!" || status == "Unsolvable System!" ||
                     ((status.empty()) && (!window.text(10).empty() || !window.text(11).empty())),
                 "a solved system shows a status or an unknown");
    if (expected.extreme) {
        for (int index = 7; index <= 11; ++index)
            requireShown(window, window.text(index).find_first_of("nN") == std::string::npos,
                         "no infinity or NaN is shown");
        return 0;
    }

    const auto detail = [&] {
        return std::string("expected ") + outcomeName(expected.outcome) + "\n" + window.describe();
    };
    switch (expected.outcome) {
    case Outcome::Undefined:
    case Outcome::Unsolvable:
        require(status == (expected.outcome == Outcome::Undefined ? "Undefined System!"
                                                                  : "Unsolvable System!"),
                "the status text follows the first case that holds", detail);
        requireShown(window, window.emptied({7, 8, 9, 10, 11}, {7, 8}),
                     "a status outcome empties the result area but the status line");
        break;
    case Outcome::LoneX:
    case Outcome::LoneY: {
        const bool isX = expected.outcome == Outcome::LoneX;
        require(status.empty() && window.caption(7) == (isX ? "x=" : "") &&
                    window.caption(8) == (isX ? "" : "y=") && window.text(isX ? 11 : 10).empty(),
                "a lone unknown shows its caption and box only", detail);
        requireShown(window, window.untouched({7, 8, 9}, {}),
                     "a lone unknown leaves the determinant boxes as they were");
        const double shown = readShown(window, window.text(isX ? 10 : 11), 7, "lone unknown");
        requireNear(window, shown, expected.value, 1e-5, 1e-30, "a lone unknown is its quotient");
        break;
    }
    case Outcome::General: {
        require(status.empty() && window.caption(7) == "x=" && window.caption(8) == "y=",
                "the general solution shows x= and y=", detail);
        requireNear(window, readShownSigned(window, window.text(7), "D"), D, 1e-6, 0,
                    "D = a1*b2 - a2*b1 as a Single");
        requireNear(window, readShownSigned(window, window.text(8), "D1"), D1, 1e-6, 0,
                    "D1 = c1*b2 - c2*b1 as a Single");
        requireNear(window, readShownSigned(window, window.text(9), "D2"), D2, 1e-6, 0,
                    "D2 = a1*c2 - a2*c1 as a Single");
        requireNear(window, readShown(window, window.text(10), 7, "x"), double(D1) / D, 1e-5, 1e-30,
                    "x = D1/D");
        requireNear(window, readShown(window, window.text(11), 7, "y"), double(D2) / D, 1e-5, 1e-30,
                    "y = D2/D");
        break;
    }
    }
    return 0;
}
