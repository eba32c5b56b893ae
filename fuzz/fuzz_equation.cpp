// "run" in the Equation layout: the input is the texts of a, b and c, separated by NUL bytes.
// What the window shows is checked against the equation worked out here from the Singles of the
// numbers the texts mean.

#include <cmath>
#include <string>
#include <utility>

#include "fuzz_support.h"

namespace {

constexpr std::string_view comlpex = "No real roots. Comlpex roots:";

// A complex root "r+m*i " (or with "-"): the real and the imaginary part. The sign between them
// is the first one after the real part's own sign and not inside its exponent.
std::pair<std::string, std::string> splitComplex(const FuzzWindow& window, const std::string& text,
                                                 char sign) {
    require(text.ends_with("*i "), "a complex root ends in \"*i \"",
            [&] { return quoted(text) + "\n" + window.describe(); });
    const std::string body = text.substr(0, text.size() - 3);
    for (std::size_t pos = 1; pos < body.size(); ++pos)
        if ((body[pos] == '+' || body[pos] == '-') && body[pos - 1] != 'E') {
            require(body[pos] == sign, "the first complex root carries \"+\", the second \"-\"",
                    [&] { return quoted(text) + "\n" + window.describe(); });
            return {body.substr(0, pos), body.substr(pos + 1)};
        }
    require(false, "a complex root has a real and an imaginary part",
            [&] { return quoted(text) + "\n" + window.describe(); });
    return {};
}

void requireShown(const FuzzWindow& window, bool holds, std::string_view property) {
    require(holds, property, [&] { return window.describe(); });
}

// A shown Single against the value it rounds: seven digits, or a denormal's few bits.
void requireNear(const FuzzWindow& window, double shown, double expected, std::string_view what) {
    require(isClose(shown, expected, 1e-5, 1e-30), what, [&] {
        return "shown " + number(shown) + ", expected " + number(expected) + "\n" +
               window.describe();
    });
}

void checkSolved(const FuzzWindow& window, float a, float b, float c, float D) {
    const auto shows = [&](std::string_view status, std::string_view caption1,
                           std::string_view caption2) {
        return window.caption(1) == status && window.caption(7) == caption1 &&
               window.caption(8) == caption2;
    };
    const double twoA = double(a) + a;

    if (a == 0) {
        requireShown(window, window.text(7).empty() && window.text(11).empty(),
                     "a first-degree equation empties the discriminant and the second root");
        if (b != 0) {
            requireShown(window, shows("", "x1=", ""), "c + b*x = 0 with b not 0 shows x1= only");
            const double x = readShown(window, window.text(10), 7, "x1");
            requireNear(window, x, -double(c) / b, "the root of c + b*x = 0 is -c/b");
        } else {
            requireShown(window,
                         shows(c != 0 ? "Unsolvable Equation" : "Undefined Equation", "", ""),
                         "b = 0: unsolvable when c is not 0, undefined when it is");
            requireShown(window, window.text(10).empty(), "b = 0 shows no root");
        }
        return;
    }

    const double shownD = readShownSigned(window, window.text(7), "D");
    require(isClose(shownD, D, 1e-6, 0), "D is b^2 - 4ac as a Single", [&] {
        return "shown " + number(shownD) + ", expected " + number(D) + "\n" + window.describe();
    });
    if (D > 0) {
        requireShown(window, shows("Two real roots.", "x1=", "x2="), "D > 0: two real roots");
        const double x1 = readShown(window, window.text(10), 15, "x1");
        const double x2 = readShown(window, window.text(11), 15, "x2");
        // Whichever way the roots are formed, x1 takes +Sqr(D), so the sign of a orders them,
        // and they add up to -b/a up to what storing D as a Single costs: a root formed from c
        // instead of Sqr(D) is off by at most that error over 2|a|Sqr(D).
        requireShown(window, a > 0 ? x1 >= x2 : x1 <= x2, "x1 = (-b + Sqr(D)) / 2a, x2 with -");
        const double exactD = std::pow(double(b), 2) - (double(a) * 4) * c;
        const double errorOfD =
            std::fabs(D - exactD) + 5e-16 * (std::pow(double(b), 2) + std::fabs(4.0 * a * c));
        const double slack = 1e-6 * (std::fabs(x1) + std::fabs(x2)) +
                             errorOfD / (2 * std::fabs(double(a)) * std::sqrt(double(D)));
        require(isClose(x1 + x2, -double(b) / a, 0, slack), "the two real roots add up to -b/a",
                [&] {
                    return "sum " + number(x1 + x2) + ", -b/a " + number(-double(b) / a) + "\n" +
                           window.describe();
                });
    } else if (D == 0) {
        requireShown(window, shows("Double root.", "x1=", ""), "D = 0: a double root");
        requireShown(window, window.text(7) == " 0" && window.text(11).empty(),
                     "a double root shows D \" 0\" and no second root");
        const double x = readShown(window, window.text(10), 7, "x1");
        requireNear(window, x, -double(b) / twoA, "the double root is -b/2a");
    } else {
        requireShown(window, shows(comlpex, "x1=", "x2="), "D < 0: complex roots");
        const auto [real1, imaginary1] = splitComplex(window, window.text(10), '+');
        const auto [real2, imaginary2] = splitComplex(window, window.text(11), '-');
        requireShown(window, real1 == real2 && imaginary1 == imaginary2,
                     "the complex roots are conjugate");
        const double real = readShown(window, real1, 7, "real part");
        const double imaginary = readShown(window, imaginary1, 15, "imaginary part");
        requireNear(window, real, -double(b) / twoA, "the real part is -b/2a");
        require(isClose(imaginary, std::fabs(std::sqrt(-double(D)) / twoA), 1e-13, 0),
                "the imaginary part is |Sqr(|D|)/2a|",
                [&] { return "shown " + number(imaginary) + "\n" + window.describe(); });
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> texts = splitTexts(data, size, 3);
    FuzzWindow window(false, texts);
    window.run();

    if (window.anyEmpty) {
        requireShown(window, window.warning() == "Fill in a,b,c!",
                     "an empty box: \"Fill in a,b,c!\"");
        requireShown(window, window.untouched({7, 8, 9, 10, 11}, {1, 7, 8}),
                     "an empty box empties nothing");
        return 0;
    }
    if (!window.allNumeric) {
        requireShown(window, window.warning() == "Check again! No numeric values!",
                     "a non-numeric box: \"Check again! No numeric values!\"");
        requireShown(window,
                     window.text(7).empty() && window.text(10).empty() && window.text(11).empty() &&
                         window.untouched({8, 9}, {1, 7, 8}),
                     "a non-numeric box empties Text(7), Text(10) and Text(11) only");
        return 0;
    }

    const std::vector<float> used = requireMeantValues(window, texts);
    const float a = used[0];
    const float b = used[1];
    const float c = used[2];
    // Where the Single range may be left, an arithmetic fault is allowed and only the absence
    // of an infinity or a NaN on screen is checked; for ordinary coefficients there must be none.
    const bool finite = std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
    const float D = float(std::pow(double(b), 2) - (double(a) * 4) * c);
    bool extreme = !finite || std::isinf(D);
    if (finite && a == 0 && b != 0)
        extreme = extreme || std::isinf(float(-double(c) / b));
    if (finite && a != 0)
        extreme = extreme || std::isinf(float(-double(b) / (double(a) + a)));

    if (!window.warnings.empty()) {
        requireShown(window,
                     window.warning() == "Overflow" || window.warning() == "Division by zero",
                     "a fault warns \"Overflow\" or \"Division by zero\"");
        requireShown(window, extreme, "no fault for coefficients of ordinary size");
        for (int index = 7; index <= 11; ++index)
            requireShown(window, window.text(index).empty(), "a fault empties Text(7) to Text(11)");
        requireShown(window,
                     window.caption(1).empty() && window.caption(7).empty() &&
                         window.caption(8).empty(),
                     "a fault empties Label(1), Label(7) and Label(8)");
        return 0;
    }

    requireShown(window, window.untouched({8, 9}, {}),
                 "the equation writes none of Text(8), Text(9)");
    requireShown(window, !window.caption(1).empty() || !window.text(10).empty(),
                 "a solved equation shows a status or a root");
    for (int index : {7, 10, 11})
        requireShown(window, window.text(index) != FuzzWindow::stale,
                     "the equation writes Text(7), Text(10) and Text(11)");
    if (!finite) {
        // Whatever is shown for such input, no infinity or NaN ("inf", "nan") may be among it.
        for (int index : {7, 10, 11})
            requireShown(window, window.text(index).find_first_of("nN") == std::string::npos,
                         "no infinity or NaN is shown");
        return 0;
    }
    checkSolved(window, a, b, c, D);
    return 0;
}
