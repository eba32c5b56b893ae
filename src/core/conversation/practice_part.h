#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/conversation/event.h"
#include "core/conversation/reply.h"
#include "core/numbers/numbers.h"
#include "core/practice/practice_session.h"

// The Practice window's side of the conversation. It owns the session, made when the window is
// first opened and kept, with its count, as long as the program runs; each event changes it and
// the reply shows its view whole, where its focus goes and what is new to hear.
class PracticePart {
public:
    // The window opened, or brought to the front, asked for from the control named origin; the
    // session is made on the first call, its seeds drawn from entropy, its numbers written in the
    // user's form.
    Reply open(std::uint64_t entropy, const NumberLocale& locale, std::string origin);
    // Nothing while the window is closed.
    Reply handle(const PracticeEvent& event);

    bool isOpen() const { return m_open; }
    // Where the focus goes back when the window closes.
    const std::string& origin() const { return m_origin; }
    // Null before the window is first opened.
    const PracticeSession* session() const { return m_session ? &*m_session : nullptr; }

private:
    // The view, its focus and what it has new to say.
    Reply shown() const;

    std::optional<PracticeSession> m_session;
    bool m_open = false;
    std::string m_origin;
};
