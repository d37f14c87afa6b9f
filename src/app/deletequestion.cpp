#include "app/deletequestion.h"

#include "db/netinfo.h"
#include "db/proginfo.h"
#include "db/tables.h"
#include "db/tpinfo.h"
#include "panels/editbar.h"
#include "platform/nameencoding.h"

namespace kvx {

namespace {

const QString kItemDelete = QStringLiteral("\nItem delete?");

QString decoded(const std::string& bytes, const NameEncoding& encoding)
{
    return QString::fromStdString(encoding.toUtf8(bytes));
}

QString transponderQuestion(const TpInfo& tp, bool terrestrialMode)
{
    // Numbers are right-aligned in six places.
    if (terrestrialMode)
        return QStringLiteral("%1 (%2 Mhz)").arg(tp.frequency, 6).arg(8 - tp.symbolRate) + kItemDelete;
    const auto letter = kPolarityLetters[static_cast<std::size_t>(tp.polarity())];
    return QStringLiteral("%1 %2 %3")
               .arg(tp.frequency, 6)
               .arg(QString::fromLatin1(letter.data(), static_cast<qsizetype>(letter.size())))
               .arg(tp.symbolRate, 6) +
           kItemDelete;
}

} // namespace

std::optional<QString> deleteQuestion(int page, bool terrestrialMode, const NetInfo* net, const TpInfo* tp,
                                      const ProgInfo* prog, const NameEncoding& encoding)
{
    switch (page) {
    case PAGE_NETWORK:
        if (terrestrialMode || net == nullptr)
            return std::nullopt;
        return decoded(net->name, encoding) + kItemDelete;
    case PAGE_TRANSPONDER:
        if (tp == nullptr)
            return std::nullopt;
        return transponderQuestion(*tp, terrestrialMode);
    case PAGE_PROGRAM:
        // The name as stored, whatever code page its marker names.
        if (prog == nullptr)
            return std::nullopt;
        return decoded(prog->name, encoding) + kItemDelete;
    default: return std::nullopt;
    }
}

} // namespace kvx
