#pragma once

#include <optional>

#include <QString>

class QTreeWidgetItem;

namespace kvx {

class CKVXTree;
struct NetInfo;
struct TpInfo;
struct ProgInfo;
class NameEncoding;

// How many records go with a deletion.
struct DeletedCounts {
    int transponders = 0;
    int programs = 0;
};

// The transponders and programs below an item of the tree (none for none).
DeletedCounts countsBelow(const CKVXTree& tree, const QTreeWidgetItem* item);

// The question Delete asks before deleting the record shown on the page, naming it as the tree does and
// what goes with it, or none when the key deletes nothing there (the empty page, the terrestrial
// network). The records of other pages are not looked at and may be none.
std::optional<QString> deleteQuestion(int page, bool terrestrialMode, const NetInfo* net, const TpInfo* tp,
                                      const ProgInfo* prog, DeletedCounts counts,
                                      const NameEncoding& encoding);

// The questions of the bulk deletes, naming how many records go.
QString deleteAllTranspondersQuestion(const NetInfo& net, DeletedCounts counts, const NameEncoding& encoding);
QString deleteAllProgramsQuestion(const NetInfo& net, int programs, const NameEncoding& encoding);
QString deleteAllProgramsQuestion(const TpInfo& tp, int programs);

} // namespace kvx
