#pragma once

// The ways of working as the tests' JSON rows name them: "formula", "cramer", ...

#include <map>

#include <QString>
#include <QtGlobal>

#include "core/working/working.h"

inline WorkingMethod methodNamed(const QString& name) {
    static const std::map<QString, WorkingMethod> methods{
        {"formula", WorkingMethod::Formula},
        {"factoring", WorkingMethod::Factoring},
        {"completing the square", WorkingMethod::CompletingSquare},
        {"rearranging", WorkingMethod::Rearranging},
        {"cramer", WorkingMethod::Cramer},
        {"elimination", WorkingMethod::Elimination},
        {"substitution", WorkingMethod::Substitution}};
    const auto found = methods.find(name);
    if (found == methods.end())
        qFatal("no method %s", qPrintable(name));
    return found->second;
}
