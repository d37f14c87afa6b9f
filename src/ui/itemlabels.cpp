#include "ui/itemlabels.h"

#include "db/netinfo.h"
#include "db/proginfo.h"
#include "db/tpinfo.h"
#include "platform/nameencoding.h"

namespace kvx {

namespace {

QString orNoName(const std::string& utf8)
{
    return utf8.empty() ? noNameLabel() : QString::fromStdString(utf8);
}

} // namespace

QString networkLabel(const NetInfo& net, const NameEncoding& encoding)
{
    return orNoName(encoding.toUtf8(net.name));
}

QString transponderLabel(const TpInfo& tp)
{
    return QString::fromStdString(tp.label());
}

QString transponderItemLabel(const TpInfo& tp, uint32_t layoutFlags, const NameEncoding& encoding)
{
    if ((layoutFlags & FLAG_TP_NAMES) && !tp.name.empty())
        return QString::fromStdString(encoding.toUtf8(tp.name));
    return transponderLabel(tp);
}

QString programLabel(const ProgInfo& prog, const NameEncoding& encoding)
{
    // A name marked as ISO 8859-5 is shown in its own letters whatever the name encoding is.
    if (prog.hasIsoName())
        return orNoName(NameEncoding::iso88595ToUtf8(prog.name));
    return orNoName(encoding.toUtf8(prog.name));
}

} // namespace kvx
