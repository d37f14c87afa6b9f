#include "app/cleanupreview.h"

#include <array>

#include "db/databasediff.h"
#include "platform/nameencoding.h"

namespace kvx {

namespace {

QString counted(int count, const char* one, const char* many)
{
    return count == 1 ? CDlgReview::tr(one) : CDlgReview::tr(many, nullptr, count);
}

QString kindLabel(CleanupKind kind)
{
    switch (kind) {
    case CleanupKind::RemoveDuplicateTransponder: return CDlgReview::tr("Duplicate transponder");
    case CleanupKind::MoveProgram: return CDlgReview::tr("Moved program");
    case CleanupKind::RemoveDuplicateProgram: return CDlgReview::tr("Duplicate program");
    case CleanupKind::RemoveEmptyTransponder: return CDlgReview::tr("Empty transponder");
    case CleanupKind::RemoveZeroTransponder: return CDlgReview::tr("Zero transponder");
    case CleanupKind::RemoveOrphanProgram: return CDlgReview::tr("Orphaned program");
    case CleanupKind::DropRepeatedFavourite: break;
    }
    return CDlgReview::tr("Repeated favourite");
}

class RecordText {
public:
    RecordText(const ChannelDatabase& db, const NameEncoding& encoding)
            : db_(db)
            , encoding_(encoding)
    {}

    // "11303 H 27500 (Astra)"
    QString transponder(uint16_t position) const
    {
        const TpInfo& tp = db_.transponders[position];
        QString text = QStringLiteral("%1 %2 %3")
                           .arg(tp.frequency)
                           .arg(QString::fromStdString(polarityText(tp.polarity())))
                           .arg(tp.symbolRate);
        if (const NetInfo* net = db_.networks.at(tp.netIndex); net != nullptr && !net->name.empty())
            text += QStringLiteral(" (%1)").arg(QString::fromStdString(encoding_.toUtf8(net->name)));
        return text;
    }
    // "Das Erste, SID 28106, 11837 H"
    QString program(uint16_t position) const
    {
        const ProgInfo& prog = db_.programs[position];
        QString text = CDlgReview::tr("%1, SID %2")
                           .arg(QString::fromStdString(nameText(prog.name, prog.nameCodePage, encoding_)))
                           .arg(prog.serviceId);
        if (const TpInfo* tp = db_.transponders.at(prog.tpIndex))
            text += QStringLiteral(", %1 %2")
                        .arg(tp->frequency)
                        .arg(QString::fromStdString(polarityText(tp->polarity())));
        return text;
    }
    // "News, TV 3: Das Erste"
    QString favouriteEntry(const CheckedRecord& entry) const
    {
        const FavInfo& group = db_.favourites[static_cast<std::size_t>(entry.group)];
        const ProgInfo& prog = db_.programs[group.listFor(entry.radio)[entry.position]];
        return CDlgReview::tr("%1, %2 %3: %4")
            .arg(QString::fromStdString(encoding_.toUtf8(group.name)))
            .arg(entry.radio ? CDlgReview::tr("radio") : CDlgReview::tr("TV"))
            .arg(entry.position + 1)
            .arg(QString::fromStdString(nameText(prog.name, prog.nameCodePage, encoding_)));
    }

    QString of(CleanupKind kind, const CheckedRecord& record, bool kept) const
    {
        if (record.position == NO_POSITION)
            return {};
        switch (kind) {
        case CleanupKind::RemoveDuplicateTransponder:
        case CleanupKind::RemoveEmptyTransponder:
        case CleanupKind::RemoveZeroTransponder: return transponder(record.position);
        case CleanupKind::MoveProgram: return kept ? transponder(record.position) : program(record.position);
        case CleanupKind::RemoveDuplicateProgram:
        case CleanupKind::RemoveOrphanProgram: return program(record.position);
        case CleanupKind::DropRepeatedFavourite: break;
        }
        return favouriteEntry(record);
    }

private:
    const ChannelDatabase& db_;
    const NameEncoding& encoding_;
};

QString noteOf(const CleanupChange& change)
{
    switch (change.kind) {
    case CleanupKind::RemoveDuplicateTransponder:
    case CleanupKind::RemoveZeroTransponder:
        if (change.programs.empty())
            return {};
        return counted(static_cast<int>(change.programs.size()),
                       QT_TRANSLATE_NOOP("kvx::CDlgReview", "holds 1 program"),
                       QT_TRANSLATE_N_NOOP("kvx::CDlgReview", "holds %n programs"));
    case CleanupKind::RemoveDuplicateProgram: {
        int passed = 0;
        for (const FavouritePass& entry : change.entries)
            passed += entry.passes ? 1 : 0;
        if (passed == 0)
            return {};
        return counted(
            passed, QT_TRANSLATE_NOOP("kvx::CDlgReview", "its favourite entry passes to the kept one"),
            QT_TRANSLATE_N_NOOP("kvx::CDlgReview", "its %n favourite entries pass to the kept one"));
    }
    default: return {};
    }
}

} // namespace

QString cleanupCountsText(const CleanupCounts& counts)
{
    return counted(counts.transpondersRemoved, QT_TRANSLATE_NOOP("kvx::CDlgReview", "1 transponder removed"),
                   QT_TRANSLATE_N_NOOP("kvx::CDlgReview", "%n transponders removed")) +
           QStringLiteral(", ") +
           counted(counts.programsRemoved, QT_TRANSLATE_NOOP("kvx::CDlgReview", "1 program removed"),
                   QT_TRANSLATE_N_NOOP("kvx::CDlgReview", "%n programs removed")) +
           QStringLiteral(", ") +
           counted(counts.programsMoved, QT_TRANSLATE_NOOP("kvx::CDlgReview", "1 program moved"),
                   QT_TRANSLATE_N_NOOP("kvx::CDlgReview", "%n programs moved")) +
           QStringLiteral(", ") +
           counted(counts.favouriteEntriesMerged,
                   QT_TRANSLATE_NOOP("kvx::CDlgReview", "1 favourite entry merged"),
                   QT_TRANSLATE_N_NOOP("kvx::CDlgReview", "%n favourite entries merged"));
}

ImportReview cleanupReviewOf(const CleanupPlan& plan, const ChannelDatabase& db, const NameEncoding& encoding)
{
    ImportReview review;
    review.changeCount = plan.size();
    review.columns = {CDlgReview::tr("Removed"), CDlgReview::tr("Kept")};
    const RecordText records(db, encoding);
    constexpr std::array shownOrder = {
        CleanupKind::RemoveDuplicateTransponder, CleanupKind::MoveProgram,
        CleanupKind::RemoveDuplicateProgram,     CleanupKind::RemoveZeroTransponder,
        CleanupKind::RemoveEmptyTransponder,     CleanupKind::RemoveOrphanProgram,
        CleanupKind::DropRepeatedFavourite};
    for (const CleanupKind kind : shownOrder)
        for (std::size_t k = 0; k < plan.size(); ++k) {
            const CleanupChange& change = plan[k];
            if (change.kind != kind)
                continue;
            ReviewRow row;
            row.kind = ReviewRow::Kind::Removed;
            row.kindLabel = kindLabel(kind);
            row.cells = {records.of(kind, change.removed, false), records.of(kind, change.kept, true)};
            row.note = noteOf(change);
            row.change = k;
            row.ticked = change.selectedByDefault();
            review.rows.append(row);
        }
    // The plan is copied: the review outlives the command's frame in the tests' records.
    review.counts = [plan](const ChangeSelection& selection) {
        QString text = cleanupCountsText(plan.countsOf(selection));
        int unticked = 0;
        for (std::size_t k = 0; k < plan.size(); ++k)
            unticked += k < selection.size() && selection[k] ? 0 : 1;
        if (unticked > 0)
            text += unticked == 1
                        ? CDlgReview::tr("; 1 change left out")
                        : CDlgReview::tr("; %n changes left out", nullptr, static_cast<int>(unticked));
        return text;
    };
    return review;
}

} // namespace kvx
