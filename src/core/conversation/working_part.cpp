#include "core/conversation/working_part.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "core/working/figure.h"

namespace {

// The list of ways a run's kind offers, which keeps the way chosen for it.
std::vector<WorkingMethod> kindOf(const std::vector<MethodChoice>& methods) {
    std::vector<WorkingMethod> kind;
    for (const MethodChoice& choice : methods)
        kind.push_back(choice.method);
    return kind;
}

const MethodChoice* findMethod(const std::vector<MethodChoice>& methods, WorkingMethod method) {
    const auto found =
        std::find_if(methods.begin(), methods.end(),
                     [method](const MethodChoice& one) { return one.method == method; });
    return found == methods.end() ? nullptr : &*found;
}

} // namespace

void WorkingPart::open(std::string origin) {
    m_open = true;
    m_origin = std::move(origin);
}

std::string WorkingPart::close() {
    return std::exchange(m_open, false) ? m_origin : std::string();
}

void WorkingPart::follow(Reply& reply, const Source& source) const {
    if (!m_open)
        return;
    const show::Working* ahead = prepared();
    reply.push_back(ahead ? *ahead : make(source));
}

Reply WorkingPart::choose(WorkingMethod method, const Source& source) {
    const std::vector<MethodChoice> methods = workingMethods(source.run);
    const MethodChoice* chosen = findMethod(methods, method);
    // A greyed way cannot be chosen, nor one of another kind of run.
    if (!chosen || !chosen->applies || methodFor(methods) == method)
        return {};
    m_chosenMethods[kindOf(methods)] = method;
    Reply reply;
    follow(reply, source);
    return reply;
}

WorkingMethod WorkingPart::methodFor(const std::vector<MethodChoice>& methods) const {
    if (methods.empty())
        return WorkingMethod::Formula;
    const auto remembered = m_chosenMethods.find(kindOf(methods));
    if (remembered != m_chosenMethods.end()) {
        const MethodChoice* chosen = findMethod(methods, remembered->second);
        if (chosen && chosen->applies)
            return chosen->method;
    }
    return methods.front().method;
}

show::Working WorkingPart::make(const Source& source) const {
    show::Working working;
    working.methods = workingMethods(source.run);
    working.method = methodFor(working.methods);
    working.text = makeWorking(source.run, source.locale, working.method, source.typedSteps).text();
    working.figure = std::make_shared<const Figure>(makeFigure(source.run, source.locale));
    return working;
}

const show::Working* WorkingPart::prepared() const {
    const bool current = m_prepared && m_prepared->method == methodFor(m_prepared->methods);
    return current ? &*m_prepared : nullptr;
}

void WorkingPart::prepare(const Source& source) {
    if (m_open || source.run.mode == RunOutcome::Mode::None)
        return;
    if (!m_prepared || m_prepared->method != methodFor(m_prepared->methods))
        m_prepared = make(source);
}
