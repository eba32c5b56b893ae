#include "core/numbers/characters.h"
#include "core/solving/equation_solver.h"
#include "core/working/exact_values.h"
#include "core/working/working_parts.h"

std::optional<ExactCoefficients> exactCoefficients(const RunOutcome& outcome) {
    static const char* const equationNames[] = {"a", "b", "c"};
    static const char* const systemNames[] = {"a1", "b1", "c1", "a2", "b2", "c2"};
    const bool system = outcome.mode == RunOutcome::Mode::System;
    ExactCoefficients exact;
    for (std::size_t i = 0; i < outcome.readings.size() && i < 6; ++i) {
        const CoefficientReading& reading = outcome.readings[i];
        // Should the text mean another number than the one taken, the working follows the
        // number the program took.
        if (reading.exact && reading.verdict == CoefficientReading::Verdict::Number) {
            exact.k[i] = *reading.exact;
            continue;
        }
        const std::optional<Rational> stored = storedExactly(outcome.coefficients[i]);
        if (!stored)
            return std::nullopt;
        exact.k[i] = *stored;
        exact.tooLong.push_back(std::string(system ? systemNames[i] : equationNames[i]) + " = \"" +
                                excerpt(outcome.texts[i]) + "\"");
    }
    return exact;
}

EquationFacts equationFacts(const ExactCoefficients& coefficients) {
    EquationFacts facts;
    facts.a = coefficients.k[0];
    facts.b = coefficients.k[1];
    facts.c = coefficients.k[2];
    int signOfD = 0;
    if (facts.a.sign() != 0) {
        facts.roots = exactRoots(facts.a, facts.b, facts.c);
        facts.D = facts.roots->discriminant;
        signOfD = facts.D.sign();
    }
    facts.kind =
        equationCase(facts.a.sign() == 0, facts.b.sign() == 0, facts.c.sign() == 0, signOfD);
    return facts;
}

SystemFacts systemFacts(const ExactCoefficients& coefficients) {
    SystemFacts facts;
    const auto& k = facts.k = coefficients.k;
    facts.D = k[0] * k[4] - k[3] * k[1];
    facts.D1 = k[2] * k[4] - k[5] * k[1];
    facts.D2 = k[0] * k[5] - k[3] * k[2];
    using enum SystemFacts::Kind;
    if (facts.D.sign() != 0) {
        facts.kind = One;
        facts.x = facts.D1 / facts.D;
        facts.y = facts.D2 / facts.D;
    } else if (facts.D1.sign() != 0 || facts.D2.sign() != 0) {
        facts.kind = None;
    } else {
        const bool firstHasUnknowns = k[0].sign() != 0 || k[1].sign() != 0;
        const bool secondHasUnknowns = k[3].sign() != 0 || k[4].sign() != 0;
        // With D = D1 = D2 = 0 an equation with an unknown makes the other a multiple of it;
        // without unknowns an equation reads 0 = c.
        if (firstHasUnknowns || secondHasUnknowns)
            facts.kind =
                (!firstHasUnknowns && k[2].sign() != 0) || (!secondHasUnknowns && k[5].sign() != 0)
                    ? None
                    : Line;
        else
            facts.kind = k[2].sign() == 0 && k[5].sign() == 0 ? Every : None;
    }
    return facts;
}

WindowTexts windowTexts(const RunOutcome& outcome) {
    const NumberLocale pasteable;
    WindowTexts texts;
    const auto withoutBlank = [](float value) {
        const std::string text = Str(value);
        return text.starts_with(' ') ? text.substr(1) : text;
    };
    texts.D = withoutBlank(outcome.D);
    texts.D1 = withoutBlank(outcome.D1);
    texts.D2 = withoutBlank(outcome.D2);
    if (outcome.mode == RunOutcome::Mode::System) {
        texts.first = StrR4(float(outcome.value1), pasteable);
        texts.second = StrR4(float(outcome.value2), pasteable);
        return texts;
    }
    switch (outcome.equationCase) {
    case EquationCase::TwoRealRoots:
        texts.first = StrR8(outcome.value1, pasteable);
        texts.second = StrR8(outcome.value2, pasteable);
        break;
    case EquationCase::ComplexRoots: {
        const std::string real = StrR4(float(outcome.value1), pasteable);
        const std::string imaginary = StrR8(outcome.value2, pasteable);
        texts.first = real + "+" + imaginary + "*i";
        texts.second = real + "-" + imaginary + "*i";
        break;
    }
    default:
        texts.first = StrR4(float(outcome.value1), pasteable);
        break;
    }
    return texts;
}
