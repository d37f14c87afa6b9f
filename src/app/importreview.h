#pragma once

#include <QString>

#include "db/databasediff.h"
#include "panels/dlgreview.h"

class QWidget;

namespace kvx {

class DialogFactory;
class NameEncoding;
class Prompter;
struct ChannelDatabase;

// The review of a change the import computed on a copy of the database: the transponders it adds,
// updates and removes, and the changes to the network's own name and position.
ImportReview reviewOf(const DatabaseDiff& diff, const NameEncoding& encoding);

// What an import asks the user with before it changes the database.
struct ImportQuestions {
    Prompter& prompter;
    DialogFactory& dialogs;
    QWidget* window;
    const NameEncoding& encoding;
};

// Shows what `after` changes in `before` and asks whether to apply it. A change of nothing is told
// with `noChangeText` instead. True only when the user chose Apply.
bool confirmImport(const ImportQuestions& questions, const ChannelDatabase& before,
                   const ChannelDatabase& after, const QString& title, const QString& noChangeText);

} // namespace kvx
