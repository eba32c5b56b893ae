#include "core/working/working.h"

#include <algorithm>

#include "core/numbers/characters.h"
#include "core/working/working_parts.h"

namespace {

using Kind = WorkingLine::Kind;

const std::vector<std::string> equationNames{"a", "b", "c"};
const std::vector<std::string> systemNames{"a1", "b1", "c1", "a2", "b2", "c2"};

const std::vector<std::string>& namesOf(RunOutcome::Mode mode) {
    return mode == RunOutcome::Mode::System ? systemNames : equationNames;
}

std::string quoted(const std::string& text) {
    return "\"" + excerpt(text) + "\"";
}

void warningWorking(const RunOutcome& o, Writer& out) {
    const auto& names = namesOf(o.mode);
    std::vector<std::string> boxes;
    for (const RunOutcome::RefusedBox& box : o.refused)
        boxes.push_back(box.box >= 1 && std::size_t(box.box) <= names.size() ? names[box.box - 1]
                                                                             : "?");
    const std::string noun = boxes.size() == 1 ? "the box for " : "the boxes for ";
    if (o.warning == RunOutcome::Warning::EmptyBoxes) {
        out.add(Kind::Warning, "Nothing was solved: " + noun + Notation::joinWithAnd(boxes) +
                                   (boxes.size() == 1 ? " is" : " are") +
                                   " empty. Type 0 for a term the equation does not have.");
        return;
    }
    out.add(Kind::Warning, "Nothing was solved: " + noun + Notation::joinWithAnd(boxes) +
                               (boxes.size() == 1 ? " holds" : " hold") + " no number.");
    for (std::size_t i = 0; i < o.refused.size(); ++i) {
        const RunOutcome::RefusedBox& box = o.refused[i];
        std::string line = boxes[i] + " = " + quoted(box.text) + ": " + box.reason;
        if (box.readings.size() > 1) {
            std::vector<std::string> readings;
            for (const std::string& reading : box.readings)
                readings.push_back(reading);
            line += "; it can be read as " + Notation::joinWithAnd(readings);
        }
        out.add(Kind::Warning, line + ".");
    }
}

// The methods of a system, or of an equation worked out exactly (none where it cannot be).
std::vector<MethodChoice> methodsFor(const RunOutcome& outcome,
                                     const std::optional<EquationFacts>& facts) {
    using enum WorkingMethod;
    const auto open = [](WorkingMethod method, const char* name) {
        return MethodChoice{method, name, true, {}};
    };
    if (outcome.mode == RunOutcome::Mode::System)
        return {open(Cramer, "Cramer's rule"), open(Elimination, "Elimination"),
                open(Substitution, "Substitution")};
    if (facts && !facts->roots)
        return {open(Rearranging, "Rearranging")};
    MethodChoice factoring = open(Factoring, "Factoring");
    if (!facts) {
        factoring = {Factoring, "Factoring", false, "The numbers are too long to write exactly."};
    } else if (facts->D.sign() < 0) {
        factoring = {Factoring, "Factoring", false, "The roots are not real numbers."};
    } else if (!facts->roots->first.rational()) {
        factoring = {Factoring, "Factoring", false,
                     "The roots are not fractions: D = " + Notation({}).number(facts->D) +
                         " is no square of a fraction."};
    }
    return {open(Formula, "The formula"), factoring,
            open(CompletingSquare, "Completing the square")};
}

WorkingMethod chosen(const std::vector<MethodChoice>& methods, WorkingMethod method) {
    for (const MethodChoice& choice : methods) {
        if (choice.method == method && choice.applies)
            return method;
    }
    return methods.front().method;
}

} // namespace

std::string Working::text() const {
    std::string all;
    for (const WorkingLine& line : lines) {
        if (!all.empty())
            all += '\n';
        all += line.text;
    }
    return all;
}

std::vector<MethodChoice> workingMethods(const RunOutcome& outcome) {
    if (outcome.mode == RunOutcome::Mode::None ||
        outcome.warning == RunOutcome::Warning::EmptyBoxes ||
        outcome.warning == RunOutcome::Warning::NotANumber)
        return {};
    std::optional<EquationFacts> facts;
    const std::optional<ExactCoefficients> coefficients = exactCoefficients(outcome);
    if (coefficients && outcome.mode == RunOutcome::Mode::Equation)
        facts = equationFacts(*coefficients);
    return methodsFor(outcome, facts);
}

Working makeWorking(const RunOutcome& outcome, const NumberLocale& locale, WorkingMethod method,
                    const std::vector<std::string>& typedSteps) {
    Working working;
    Writer out(working);
    for (const std::string& step : typedSteps)
        out.add(Kind::Step, step);
    if (outcome.mode == RunOutcome::Mode::None) {
        out.add(Kind::Note, "Nothing is solved yet: type the coefficients and press \"run\".");
        return working;
    }
    if (outcome.warning == RunOutcome::Warning::EmptyBoxes ||
        outcome.warning == RunOutcome::Warning::NotANumber) {
        warningWorking(outcome, out);
        return working;
    }
    const Notation notation(locale);
    const std::optional<ExactCoefficients> coefficients = exactCoefficients(outcome);
    if (!coefficients) {
        out.add(Kind::Warning, "A number typed is too long to write exactly and too large for "
                               "the program's numbers (about " +
                                   largestSingle(notation) + "), so there is nothing to work out.");
    } else if (outcome.mode == RunOutcome::Mode::Equation) {
        EquationFacts facts = equationFacts(*coefficients);
        const WorkingMethod way = chosen(methodsFor(outcome, facts), method);
        if (outcome.equationCase == EquationCase::ComplexRoots &&
            outcome.warning == RunOutcome::Warning::None) {
            const WindowTexts shown = windowTexts(outcome);
            facts.windowFirst = notation.window(shown.first);
            facts.windowSecond = notation.window(shown.second);
        }
        equationNote(outcome, facts, *coefficients, notation, out);
        equationWorking(facts, way, notation, out);
    } else {
        const SystemFacts facts = systemFacts(*coefficients);
        const WorkingMethod way = chosen(methodsFor(outcome, std::nullopt), method);
        systemNote(outcome, facts, *coefficients, notation, out);
        systemWorking(facts, way, notation, out);
    }
    // The typed steps end at the equation and its coefficients: the heading says them once.
    std::erase_if(working.lines, [&](const WorkingLine& line) {
        return line.kind == Kind::Heading &&
               std::any_of(typedSteps.begin(), typedSteps.end(), [&](const std::string& step) {
                   return step == line.text || step.ends_with(": " + line.text);
               });
    });
    // A fault leaves nothing on screen, so no exact form is of anything shown.
    if (outcome.warning == RunOutcome::Warning::Fault)
        working.exact.clear();
    return working;
}
