#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

namespace kvx {

// One transponder the import adds, updates or removes. Cells: frequency, polarity, symbol rate, system,
// FEC and programs; an updated value reads "old → new".
struct ReviewRow {
    enum class Kind { Added, Updated, Removed };
    Kind kind = Kind::Added;
    QStringList cells;
};

// What an import will change, as the review dialog shows it.
struct ImportReview {
    QString title;
    QStringList networkChanges; // "Name: old → new", "Position: ..."
    QList<ReviewRow> rows;
    int added = 0;
    int updated = 0;
    int removed = 0;
    int programsRemoved = 0;

    // "2 added, 1 updated, 3 removed (with 7 programs)"
    QString countsText() const;
};

// Shows the changes of an import before any is made: the counts, the network's own changes and a table
// of the transponders added, updated and removed; Apply accepts, Cancel rejects.
class CDlgReview : public QDialog {
    Q_OBJECT
public:
    explicit CDlgReview(const ImportReview& review, QWidget* parent = nullptr);

    static QStringList columnTitles();
};

} // namespace kvx
