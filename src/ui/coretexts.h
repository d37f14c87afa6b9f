#pragma once

#include <string>

#include <QCoreApplication>
#include <QString>

#include "base/status.h"

namespace kvx {

// A text of the core, marked there with KVX_TR_NOOP(context, text), in the user's language.
inline QString coreText(const char* context, const std::string& text)
{
    return QCoreApplication::translate(context, text.c_str());
}

inline QString statusText(int status)
{
    return coreText("Status", statusMessage(status));
}

// outcomeMessage with its status message translated; the system's reason stays as the system gave it.
inline QString outcomeShown(const Outcome& outcome)
{
    const OutcomeText text = outcomeText(outcome);
    const QString status = text.status.empty() ? QString() : coreText("Status", text.status);
    const QString reason = QString::fromStdString(text.reason);
    if (status.isEmpty() || reason.isEmpty())
        return status + reason;
    return QCoreApplication::translate("Status", "%1: %2").arg(status, reason);
}

} // namespace kvx
