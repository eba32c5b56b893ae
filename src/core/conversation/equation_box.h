#pragma once

#include <string>

#include "core/conversation/reply.h"
#include "core/numbers/numbers.h"
#include "core/typing/equation_reading.h"

// The "Equation" box's side of the conversation: the pupil's text, kept while the program runs
// and shown again when the box reopens, read as it is typed.
class EquationBox {
public:
    // Opened, or brought to the front, with the text as the pupil left it; asked for from the
    // control named origin, where the focus goes back when it closes unused.
    Reply open(std::string origin, bool alreadyOpen, const NumberLocale& locale);
    // The text edited: what it reads now.
    Reply edit(std::string text, const NumberLocale& locale);
    // Solve refused the text: what it reads, said now and marked invalid until it reads.
    Reply refuse(const NumberLocale& locale);
    // Closed with nothing changed.
    Reply close() const;
    // What the text reads as, to solve.
    EquationReading read(const NumberLocale& locale) const;

private:
    show::EquationReading shown(const NumberLocale& locale);

    std::string m_text;
    std::string m_origin;
    bool m_refused = false; // Solve refused the text, and it does not read yet
};
