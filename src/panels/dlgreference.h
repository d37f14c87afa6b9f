#pragma once

#include <vector>

#include <QDialog>
#include <QString>

#include "db/referenceplan.h"
#include "export/referencelist.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeView;
class QTreeWidget;

namespace kvx {

class NameEncoding;
class TextRowsModel;

// What the review of a reference list is opened with: the database and the plan made on it, both left
// as they are while the dialog is open, and the rows of a CSV reference that were left out.
struct ReferenceReviewRequest {
    const ChannelDatabase& db;
    const ReferencePlan& plan;
    const NameEncoding& encoding;
    QString referenceName; // the file's name, for the title
    std::vector<ReferenceRowProblem> problems;
};

// Shows what applying a reference list would do before anything is done: the counts, the options
// (favourite groups, program names, copying the missing programs), the name matches, each tickable,
// and what the ticked matches and the options change: the channels whose number changes, the favourite
// groups and the names. Every tick recomputes the review. Apply accepts with the selection; it is off
// while the selection changes nothing. Cancel rejects.
class CDlgReference : public QDialog {
    Q_OBJECT
public:
    explicit CDlgReference(const ReferenceReviewRequest& request, QWidget* parent = nullptr);
    ~CDlgReference() override;

    ReferenceSelection selection() const { return selection_; }
    const ReferenceReview& review() const { return review_; }

    void done(int result) override;

private:
    QTreeWidget* buildNameMatches();
    QTreeView* addTable(TextRowsModel* model, const char* name);
    void readChoices();
    void refresh();

    const ReferenceReviewRequest& request_;
    ReferenceSelection selection_;
    ReferenceReview review_;
    QLabel* counts_ = nullptr;
    QCheckBox* favourites_ = nullptr;
    QCheckBox* names_ = nullptr;
    QCheckBox* copyMissing_ = nullptr;
    QTabWidget* sections_ = nullptr;
    QTreeWidget* nameMatches_ = nullptr;
    TextRowsModel* moves_ = nullptr;
    TextRowsModel* groups_ = nullptr;
    TextRowsModel* renames_ = nullptr;
    QLabel* nothing_ = nullptr;
    QPushButton* apply_ = nullptr;
    int movesTab_ = -1;
    int groupsTab_ = -1;
    int renamesTab_ = -1;
};

} // namespace kvx
