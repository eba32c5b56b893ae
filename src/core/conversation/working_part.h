#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/conversation/reply.h"
#include "core/numbers/numbers.h"
#include "core/solving/run_outcome.h"
#include "core/working/working.h"

// The "Working" window's side of the conversation: whether it is open, the way of working chosen
// for each kind of run, and the working of the last run made ahead.
class WorkingPart {
public:
    // What a working is made from: the last run, the user's number form, and the rearranging of
    // the typed equation the run solved (none where it came from the boxes).
    struct Source {
        const RunOutcome& run;
        const NumberLocale& locale;
        const std::vector<std::string>& typedSteps;
    };

    bool isOpen() const { return m_open; }
    // Opened, asked for from the control named origin.
    void open(std::string origin);
    // Closed: the control the focus goes back to; empty where it was not open.
    std::string close();

    // The working of the last run, for the window where it is open.
    void follow(Reply& reply, const Source& source) const;
    // The way the working is made for runs of this kind from now on, shown where it applies.
    Reply choose(WorkingMethod method, const Source& source);

    // Makes the working of the last run ahead, where the window is not open.
    void prepare(const Source& source);
    // What prepare made, while it is current; null where there is none.
    const show::Working* prepared() const;
    // The last run, the locale or the typed steps have changed: what was prepared is stale.
    void forgetPrepared() { m_prepared.reset(); }

private:
    // The way the working of a run offering these methods is made: the one last chosen for them
    // where it applies, else the program's own.
    WorkingMethod methodFor(const std::vector<MethodChoice>& methods) const;
    show::Working make(const Source& source) const;

    bool m_open = false;
    std::string m_origin; // where the focus goes back when it closes
    // The way of working last chosen, for each list of ways: a second-degree equation, a
    // first-degree one and a system each keep their own while the program runs.
    std::map<std::vector<WorkingMethod>, WorkingMethod> m_chosenMethods;
    std::optional<show::Working> m_prepared;
};
