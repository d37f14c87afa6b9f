#pragma once

#include <optional>

#include <QString>

#include "db/changeset.h"
#include "panels/dlgreview.h"

class QWidget;

namespace kvx {

class DialogFactory;
class NameEncoding;
class Prompter;
struct ChannelDatabase;

// The review of a change set: one row per change, network changes first, then removals, updates,
// additions and the sort.
ImportReview reviewOf(const ChangeSet& changes, const NameEncoding& encoding);

// What a bulk command asks the user with before it changes the database.
struct ImportQuestions {
    Prompter& prompter;
    DialogFactory& dialogs;
    QWidget* window;
    const NameEncoding& encoding;
};

// Shows the changes and asks which to apply. A set of nothing is told with `noChangeText` instead. The
// ticked changes when the user chose Apply, else none.
// Apply is offered only for selections whose result still fits a KVX file.
std::optional<ChangeSelection> reviewChanges(const ImportQuestions& questions, const ChannelDatabase& db,
                                             const ChangeSet& changes, const QString& title,
                                             const QString& noChangeText);

} // namespace kvx
