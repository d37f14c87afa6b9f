#pragma once

#include <string>

#include <QString>

#include "ui/prompter.h"

namespace kvx {

// The save dialog: the plain form, the compressed form and all files, in this order.
FileDialogSpec saveDialogSpec(const std::string& fileName);

// Where a save goes and in which form.
struct SaveTarget {
    QString path;
    bool compressed = false;

    bool operator==(const SaveTarget&) const = default;
};

// The form of the name chosen in the save dialog: a suffix .kvx or .ckvx (in any case) decides it.
// Only a name without one of them takes the form of the chosen filter and gets its suffix appended;
// "All file" keeps such a name as it is and writes the plain form.
SaveTarget saveTargetOf(const QString& chosenPath, int filterIndex);

} // namespace kvx
