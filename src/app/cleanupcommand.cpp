// The Edit menu's Check Database: the findings of the check as a clean-up the user reviews, applied
// as one step.

#include "app/busywindowguard.h"
#include "app/childview.h"
#include "app/cleanupreview.h"
#include "app/dialogfactory.h"
#include "db/cleanup.h"
#include "db/databasecheck.h"
#include "ui/coretexts.h"
#include "ui/prompter.h"

namespace kvx {

void CChildView::OnCheckDatabase()
{
    if (!hasDocument() || ApplyEdits(1) == 1)
        return;
    const BusyWindowGuard busy(this);
    // Empty transponders are offered unticked: some are kept on purpose, to be scanned later.
    const CleanupPlan plan = planCleanup(database_, checkDatabase(database_), {.emptyTransponders = true});
    if (plan.empty()) {
        services_.prompter.showMessage(tr("The database has no duplicates or empty records."),
                                       PromptIcon::Information);
        return;
    }
    ImportReview review = cleanupReviewOf(plan, database_, encoding_);
    review.title = tr("Check Database");
    const std::optional<ChangeSelection> selection = services_.dialogs.reviewChanges(this, review);
    if (!selection || plan.countsOf(*selection).total() == 0)
        return;
    const SelectionMark mark = markSelection();
    ResetSelection();
    if (const Status status = applyCleanup(database_, plan, *selection); status != StatusOk) {
        services_.prompter.showMessage(statusText(status), PromptIcon::Stop);
        return;
    }
    rebuildTree(false, [&] { selectMarked(mark, nullptr); });
    MarkModified(tr("Clean Up"));
}

} // namespace kvx
