// The Edit menu's Apply Reference List: after a rescan has renumbered the channels, the user's old list
// (a database file or an exported CSV channel list) gives them back their numbers and, as chosen, the
// favourite groups and names. The plan is reviewed before anything changes, and applied as one step.

#include <QFile>
#include <QFileInfo>

#include "app/busywindowguard.h"
#include "app/childview.h"
#include "app/dialogfactory.h"
#include "db/referenceplan.h"
#include "export/referencelist.h"
#include "panels/dlgreference.h"
#include "ui/coretexts.h"
#include "ui/prompter.h"
#include "ui/referencetexts.h"
#include "ui/waitcursor.h"

namespace kvx {

namespace {

// The rows listed in a message at most; the review lists them all.
constexpr std::size_t kListedProblems = 10;

FileDialogSpec referenceDialogSpec(const std::string& fileName)
{
    // The old list is usually kept beside the database it is applied to.
    QString folder;
    if (!fileName.empty())
        folder = QFileInfo(QString::fromStdString(fileName)).absolutePath() + QLatin1Char('/');
    return {{CChildView::tr("Reference lists (*.kvx *.ckvx *.csv)"), CChildView::tr("All files (*)")},
            {},
            folder};
}

// Every match ticked and every option on: what the list could change at most.
ReferenceSelection everything(const ReferencePlan& plan)
{
    ReferenceSelection selection = plan.defaultSelection();
    selection.favourites = true;
    selection.names = true;
    selection.copyMissing = true;
    return selection;
}

QString problemsText(const std::vector<ReferenceRowProblem>& problems)
{
    QStringList lines;
    for (std::size_t k = 0; k < problems.size() && k < kListedProblems; ++k)
        lines << CChildView::tr("Line %1: %2").arg(problems[k].line).arg(problemText(problems[k]));
    if (problems.size() > kListedProblems)
        lines << CChildView::tr("and %1 more").arg(problems.size() - kListedProblems);
    return CChildView::tr("Rows left out:") + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}

} // namespace

void CChildView::OnApplyReferenceList()
{
    if (!hasDocument() || ApplyEdits(1) == 1)
        return;
    const BusyWindowGuard busy(this);
    const std::optional<QString> path =
        services_.prompter.chooseOpenFile(referenceDialogSpec(database_.fileName));
    if (!path)
        return;
    const QString fileName = QFileInfo(*path).fileName();
    ReferenceList reference;
    Outcome read;
    ReferencePlan plan;
    {
        // Reading and matching even a list of 20,000 programs takes a moment only: the cursor says so.
        const WaitCursor waiting;
        read = loadReferenceList(QFile::encodeName(*path).toStdString(), database_, encoding_, reference);
        if (read == StatusOk)
            plan = planReference(database_, reference.database, reference.anyNetwork);
    }
    if (read != StatusOk) {
        reportStatus(read, fileName);
        return;
    }
    if (!reviewReferencePlan(database_, plan, everything(plan)).changesDatabase()) {
        QString text = tr("The reference list changes nothing.");
        if (!reference.problems.empty())
            text += QStringLiteral("\n\n") + problemsText(reference.problems);
        services_.prompter.showMessage(text, PromptIcon::Information);
        return;
    }
    const std::optional<ReferenceSelection> selection = services_.dialogs.reviewReference(
        window(), {database_, plan, encoding_, fileName, reference.problems});
    if (!selection || !reviewReferencePlan(database_, plan, *selection).changesDatabase())
        return;

    // Applied to a copy, so that a refusal leaves the database and the tree as they are.
    const WaitCursor waiting;
    ChannelDatabase rebuilt = database_;
    if (const Status status = applyReferencePlan(rebuilt, plan, *selection); status != StatusOk) {
        services_.prompter.showMessage(statusText(status), PromptIcon::Stop);
        return;
    }
    const OpenBranches open = openBranches();
    const SelectionMark mark = markSelection();
    // The transponders keep their places; a selected program is found again by what it holds, else its
    // transponder is selected.
    StepPlace place = mark.place;
    place.programIndex = -1;
    ResetSelection();
    database_ = std::move(rebuilt);
    rebuildTree(false, [&] {
        reopenBranches(open);
        selectMarked(mark, itemAtPlace(place));
    });
    MarkModified(tr("Apply Reference List"));
}

} // namespace kvx
