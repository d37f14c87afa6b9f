#include "app/deletequestion.h"

#include <QCoreApplication>
#include <QTreeWidgetItem>

#include "app/kvxtree.h"

#include "db/netinfo.h"
#include "db/proginfo.h"
#include "db/tpinfo.h"
#include "panels/editbar.h"
#include "ui/itemlabels.h"

namespace kvx {

namespace {

// The questions' translation context.
struct DeleteQuestion {
    Q_DECLARE_TR_FUNCTIONS(DeleteQuestion)
};

QString quoted(const QString& name)
{
    return QStringLiteral("\"%1\"").arg(name);
}

QString programsPhrase(int programs)
{
    return programs == 1 ? DeleteQuestion::tr("1 program")
                         : DeleteQuestion::tr("%n programs", nullptr, programs);
}

QString transpondersPhrase(int transponders)
{
    return transponders == 1 ? DeleteQuestion::tr("1 transponder")
                             : DeleteQuestion::tr("%n transponders", nullptr, transponders);
}

// "all 4 transponders", but "the 1 transponder".
QString allOf(int count, const QString& phrase)
{
    return (count == 1 ? DeleteQuestion::tr("the %1") : DeleteQuestion::tr("all %1")).arg(phrase);
}

QString networkQuestion(const NetInfo& net, DeletedCounts counts, const NameEncoding& encoding)
{
    const QString name = quoted(networkLabel(net, encoding));
    if (counts.transponders == 0)
        return DeleteQuestion::tr("Delete the network %1?").arg(name);
    return DeleteQuestion::tr("Delete the network %1 with its %2 and %3?")
        .arg(name, transpondersPhrase(counts.transponders), programsPhrase(counts.programs));
}

QString transponderQuestion(const TpInfo& tp, int programs)
{
    const QString name = quoted(transponderLabel(tp));
    if (programs == 0)
        return DeleteQuestion::tr("Delete the transponder %1?").arg(name);
    return DeleteQuestion::tr("Delete the transponder %1 and its %2?").arg(name, programsPhrase(programs));
}

} // namespace

DeletedCounts countsBelow(const CKVXTree& tree, const QTreeWidgetItem* item)
{
    if (item == nullptr)
        return {};
    const CKVXTree::Descendants below = tree.descendantsOf(item);
    if (CKVXTree::levelOf(item) == TreeLevel::Transponder)
        return {0, below.children};
    return {below.children, below.grandchildren};
}

std::optional<QString> deleteQuestion(int page, bool terrestrialMode, const NetInfo* net, const TpInfo* tp,
                                      const ProgInfo* prog, DeletedCounts counts,
                                      const NameEncoding& encoding)
{
    switch (page) {
    case PAGE_NETWORK:
        if (terrestrialMode || net == nullptr)
            return std::nullopt;
        return networkQuestion(*net, counts, encoding);
    case PAGE_TRANSPONDER:
        if (tp == nullptr)
            return std::nullopt;
        return transponderQuestion(*tp, counts.programs);
    case PAGE_PROGRAM:
        if (prog == nullptr)
            return std::nullopt;
        return DeleteQuestion::tr("Delete the program %1?").arg(quoted(programLabel(*prog, encoding)));
    default: return std::nullopt;
    }
}

QString deleteAllTranspondersQuestion(const NetInfo& net, DeletedCounts counts, const NameEncoding& encoding)
{
    const QString name = quoted(networkLabel(net, encoding));
    if (counts.programs == 0)
        return DeleteQuestion::tr("Delete %1 in the network %2?")
            .arg(allOf(counts.transponders, transpondersPhrase(counts.transponders)), name);
    return DeleteQuestion::tr("Delete %1 in the network %2 and their %3?")
        .arg(allOf(counts.transponders, transpondersPhrase(counts.transponders)), name,
             programsPhrase(counts.programs));
}

QString deleteAllProgramsQuestion(const NetInfo& net, int programs, const NameEncoding& encoding)
{
    return DeleteQuestion::tr("Delete %1 in the network %2?")
        .arg(allOf(programs, programsPhrase(programs)), quoted(networkLabel(net, encoding)));
}

QString deleteAllProgramsQuestion(const TpInfo& tp, int programs)
{
    return DeleteQuestion::tr("Delete %1 in the transponder %2?")
        .arg(allOf(programs, programsPhrase(programs)), quoted(transponderLabel(tp)));
}

} // namespace kvx
