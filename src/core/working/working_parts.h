#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/numbers/exact.h"
#include "core/working/notation.h"
#include "core/working/working.h"

// The parts a working is made of, shared by the files that write its lines.

class Writer {
public:
    explicit Writer(Working& working) : m_working(working) {}
    void add(WorkingLine::Kind kind, std::string text,
             WorkingLine::Step step = WorkingLine::Step::None) {
        m_working.lines.push_back({kind, std::move(text), step, std::nullopt});
    }
    void add(WorkingLine::Kind kind, Formula line, const Notation& notation,
             WorkingLine::Step step = WorkingLine::Step::None) {
        std::string text = line.plain(notation);
        m_working.lines.push_back({kind, std::move(text), step, std::move(line)});
    }
    void exact(ExactResult result) { m_working.exact.push_back(std::move(result)); }

private:
    Working& m_working;
};

// The coefficients as typed, exactly: a, b, c or a1, b1, c1, a2, b2, c2. A number too long to
// write exactly is taken as the program keeps it, and named; none where the program keeps it as
// an infinity.
struct ExactCoefficients {
    std::array<Rational, 6> k{};
    std::vector<std::string> tooLong; // "b = \"1.2345…\"", for a note
};
std::optional<ExactCoefficients> exactCoefficients(const RunOutcome& outcome);

// An equation worked out exactly.
struct EquationFacts {
    Rational a, b, c;
    EquationCase kind = EquationCase::Undefined;
    Rational D;                      // with a != 0
    std::optional<ExactRoots> roots; // with a != 0
    // The complex roots in the window's own form, "-0.5+0.866025403784439*i", to name it once.
    std::string windowFirst, windowSecond;
};
EquationFacts equationFacts(const ExactCoefficients& coefficients);

// A system worked out exactly.
struct SystemFacts {
    enum class Kind { One, None, Line, Every };
    std::array<Rational, 6> k{};
    Rational D, D1, D2;
    Kind kind = Kind::Every;
    Rational x, y; // with Kind::One
};
SystemFacts systemFacts(const ExactCoefficients& coefficients);

// What the window shows of a run, in its own texts with ".".
struct WindowTexts {
    std::string D, D1, D2; // without the blank that holds the sign's place
    std::string first;     // x1 or x
    std::string second;    // x2 or y
};
WindowTexts windowTexts(const RunOutcome& outcome);

// "3.4×10³⁸", about the largest number a Single holds, in the user's form.
std::string largestSingle(const Notation& n);

// The one note at the top where the window's result differs from the exact one, and the exact
// results beside what the window shows.
void equationNote(const RunOutcome& outcome, const EquationFacts& facts,
                  const ExactCoefficients& coefficients, const Notation& notation, Writer& out);
void systemNote(const RunOutcome& outcome, const SystemFacts& facts,
                const ExactCoefficients& coefficients, const Notation& notation, Writer& out);

void equationWorking(const EquationFacts& facts, WorkingMethod method, const Notation& notation,
                     Writer& out);
void systemWorking(const SystemFacts& facts, WorkingMethod method, const Notation& notation,
                   Writer& out);
