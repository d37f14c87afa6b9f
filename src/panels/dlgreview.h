#pragma once

#include <functional>

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTimer>

#include "db/changeset.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kvx {

// One change of a bulk command as the review shows it. Cells: frequency, polarity, symbol rate, system,
// FEC and programs (or the review's own columns); an updated value reads "old → new".
struct ReviewRow {
    enum class Kind { Network, Removed, Updated, Added, Sorted };
    Kind kind = Kind::Added;
    QStringList cells;
    QString note;           // "repeats row 4 of the page", the network's new name, ...
    int programs = 0;       // programs that go with a removal
    std::size_t change = 0; // the change's index in its set
    bool ticked = true;     // as the dialog opens
    QString kindLabel;      // shown and filtered by in place of the kind's name, when set
};

// What a bulk command would change, as the review dialog shows it: the rows in the order they are
// shown (network, removals, updates, additions, sort), each standing for one change of the set.
struct ImportReview {
    QString title;
    QList<ReviewRow> rows;
    std::size_t changeCount = 0; // of the set the rows come from
    // Whether the database with these changes still fits a file; none takes every selection.
    std::function<bool(const ChangeSelection&)> fits;
    // The titles of the cells' columns; none for the transponder columns (CDlgReview::columnTitles).
    QStringList columns;
    // The counts line of a selection; none for reviewCountsText's.
    std::function<QString(const ChangeSelection&)> counts;

    // The counts of the rows ticked as the dialog opens.
    QString countsText() const;
    // The selection of the rows ticked as the dialog opens.
    ChangeSelection openingSelection() const;
};

// "2 added, 1 updated, 3 removed (with 7 programs); 1 change left out" for the rows whose tick is set.
QString reviewCountsText(const QList<ReviewRow>& rows, const QList<bool>& ticked);

// Shows the changes of a bulk command before any is made, one tickable row each: the counts of the
// ticked ones, a filter by kind (the rows' own labels when they have them) and the table. Apply accepts with
// the ticked changes; Cancel rejects.
class CDlgReview : public QDialog {
    Q_OBJECT
public:
    explicit CDlgReview(const ImportReview& review, QWidget* parent = nullptr);

    // Which changes of the set are ticked, by their index in the set.
    ChangeSelection selection() const;
    // "2 added, 1 updated, 3 removed (with 7 programs)" for the ticked rows.
    QString countsText() const;

    static QStringList columnTitles();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toggleSelectedRows();
    void checkFit();
    void updateCounts();
    void applyFilter();
    QTreeWidget* buildTable();

    ImportReview review_;
    QLabel* counts_ = nullptr;
    QComboBox* filter_ = nullptr;
    QTreeWidget* table_ = nullptr;
    QPushButton* apply_ = nullptr;
    QLabel* tooLarge_ = nullptr;
    int noteColumn_ = 0;
    QTimer fitCheck_; // one check for a burst of tick changes
    bool fits_ = true;
};

} // namespace kvx
