#pragma once

#include <QCoreApplication>
#include <QString>

#include "export/referencelist.h"

namespace kvx {

// Why a row of a CSV reference was left out, in the user's language.
inline QString problemText(const ReferenceRowProblem& problem)
{
    const QString text = QCoreApplication::translate("Reference", problem.text);
    const auto arg = [&problem](std::size_t k) { return QString::fromStdString(problem.args[k]); };
    // At once, so that a value holding "%2" stays as it is.
    switch (problem.args.size()) {
    case 0: return QString::fromStdString(problem.reason);
    case 1: return text.arg(arg(0));
    case 2: return text.arg(arg(0), arg(1));
    default: return text.arg(arg(0), arg(1), arg(2));
    }
}

} // namespace kvx
