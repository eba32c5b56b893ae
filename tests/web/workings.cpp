// Makes the working and the graph of every row of a table, and of generated cases, and prints
// them, so that the desktop build and the browser build can be compared line by line.
// Usage: workings TABLE [GENERATED]
// A row is LOCALE <tab> METHOD <tab> COEFFICIENT... (three for an equation, six for a system;
// backslash escapes as in the conversion table). GENERATED cases (default 300) follow, made from
// a fixed seed: small integers, decimals, numbers near 1E+30 and 1E-30, 19-digit integers and
// zeros, in English and in German, by every method the run offers.
// Each case prints its row, then every line of the working ("| "), the graph's labels ("@ "),
// its alternative ("= ") and its note ("! ").

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/solving/form_commands.h"
#include "core/working/figure.h"
#include "core/working/working.h"

namespace {

NumberLocale localeNamed(const std::string& name) {
    if (name == "de")
        return {",", ".", "\u20ac", 3, 3};
    return {}; // "en"
}

// Backslash escapes let a row hold a tab, a line feed or nothing at all ("\e").
std::string unescape(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        if (next == 't')
            plain += '\t';
        else if (next == 'n')
            plain += '\n';
        else if (next != 'e')
            plain += next;
    }
    return plain;
}

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == separator)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::string lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

void print(const std::string& row, const RunOutcome& outcome, const NumberLocale& locale,
           WorkingMethod method) {
    std::cout << row << '\n';
    for (const WorkingLine& line : makeWorking(outcome, locale, method).lines)
        for (const std::string& part : split(line.text, '\n'))
            std::cout << "| " << part << '\n';
    const Figure figure = makeFigure(outcome, locale);
    for (const FigureLabel& label : figure.labels)
        std::cout << "@ " << label.text << '\n';
    std::cout << "= " << figure.alternative << '\n';
    if (!figure.note.empty())
        std::cout << "! " << figure.note << '\n';
}

// A row of the table: its method named as the Working window lists it or by a word of that name
// ("formula", "factoring", "Cramer"); a method the run does not offer falls back as the window's
// does.
void printRow(const std::string& line) {
    const std::vector<std::string> fields = split(line, '\t');
    if (fields.size() != 5 && fields.size() != 8) {
        std::cout << line << "\nbad row\n";
        return;
    }
    const NumberLocale locale = localeNamed(fields[0]);
    std::vector<std::string> texts;
    for (std::size_t index = 2; index < fields.size(); ++index)
        texts.push_back(unescape(fields[index]));
    const RunOutcome outcome = solveTexts(texts, locale);
    WorkingMethod method = texts.size() == 6 ? WorkingMethod::Cramer : WorkingMethod::Formula;
    const std::string wanted = lowered(fields[1]);
    for (const MethodChoice& choice : workingMethods(outcome))
        if (!wanted.empty() && lowered(choice.name).find(wanted) != std::string::npos)
            method = choice.method;
    print(line, outcome, locale, method);
}

// The same numbers in both builds: splitmix64 on integers alone.
class Seeded {
public:
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % std::uint64_t(n)); }

private:
    std::uint64_t m_state = 20261208;
};

// A coefficient text with "." for the decimal point, made of digits alone. Each number is drawn
// in a statement of its own: the order in which the operands of one expression are evaluated is
// the compiler's choice, and the two builds must draw alike.
std::string generatedNumber(Seeded& seeded) {
    const std::string sign = seeded.below(3) == 0 ? "-" : "";
    const int kind = seeded.below(6);
    if (kind == 0)
        return sign + std::to_string(seeded.below(21));
    if (kind == 1) {
        const std::string whole = std::to_string(seeded.below(100));
        return sign + whole + "." + std::to_string(1 + seeded.below(999));
    }
    if (kind == 2) {
        const std::string mantissa = std::to_string(1 + seeded.below(9));
        const std::string half = seeded.below(2) ? ".5" : "";
        const std::string exponentSign = seeded.below(2) ? "+" : "-";
        return sign + mantissa + half + "E" + exponentSign + std::to_string(28 + seeded.below(5));
    }
    if (kind == 3) {
        std::string digits = std::to_string(1 + seeded.below(9));
        while (digits.size() < 19)
            digits += char('0' + seeded.below(10));
        return sign + digits;
    }
    if (kind == 4)
        return "0";
    const std::string whole = std::to_string(1 + seeded.below(20));
    return sign + whole + "." + std::to_string(seeded.below(10));
}

void printGenerated(int count) {
    Seeded seeded;
    for (int index = 0; index < count; ++index) {
        std::vector<std::string> texts(seeded.below(3) == 0 ? 6 : 3);
        for (std::string& text : texts)
            text = generatedNumber(seeded);
        for (const char* name : {"en", "de"}) {
            std::vector<std::string> typed = texts;
            if (std::string(name) == "de")
                for (std::string& text : typed)
                    if (const std::size_t point = text.find('.'); point != std::string::npos)
                        text[point] = ',';
            const NumberLocale locale = localeNamed(name);
            const RunOutcome outcome = solveTexts(typed, locale);
            std::string row = std::string(name) + "\tgenerated " + std::to_string(index + 1);
            for (const std::string& text : typed)
                row += "\t" + text;
            const std::vector<MethodChoice> methods = workingMethods(outcome);
            if (methods.empty())
                print(row, outcome, locale, WorkingMethod::Formula);
            for (const MethodChoice& choice : methods)
                print(row + " (" + choice.name + ")", outcome, locale, choice.method);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: workings TABLE [GENERATED]\n";
        return 2;
    }
    std::ifstream table(argv[1]);
    if (!table) {
        std::cerr << "workings: cannot read " << argv[1] << '\n';
        return 2;
    }
    std::string line;
    while (std::getline(table, line))
        if (!line.empty() && line[0] != '#')
            printRow(line);
    printGenerated(argc == 3 ? std::stoi(argv[2]) : 300);
    return 0;
}
