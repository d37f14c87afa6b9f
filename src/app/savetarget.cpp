#include "app/savetarget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace kvx {

namespace {

// Filter positions in the save dialog, and the suffix each form's filter names.
constexpr int kPlainFilter = 0;
constexpr int kCompressedFilter = 1;
const QString kPlainSuffix = QStringLiteral("KVX");
const QString kCompressedSuffix = QStringLiteral("CKVX");

} // namespace

FileDialogSpec saveDialogSpec(const std::string& fileName)
{
    return {{QCoreApplication::translate("CChildView", "Network Database File (*.KVX)"),
             QCoreApplication::translate("CChildView", "Compressed Network Database File (*.CKVX)"),
             QCoreApplication::translate("CChildView", "All file (*)")},
            kPlainSuffix,
            QString::fromStdString(fileName)};
}

SaveTarget saveTargetOf(const QString& chosenPath, int filterIndex)
{
    const QString suffix = QFileInfo(chosenPath).suffix();
    if (suffix.compare(kPlainSuffix, Qt::CaseInsensitive) == 0)
        return {chosenPath, false};
    if (suffix.compare(kCompressedSuffix, Qt::CaseInsensitive) == 0)
        return {chosenPath, true};
    if (filterIndex == kCompressedFilter)
        return {chosenPath + QLatin1Char('.') + kCompressedSuffix, true};
    if (filterIndex == kPlainFilter)
        return {chosenPath + QLatin1Char('.') + kPlainSuffix, false};
    return {chosenPath, false};
}

} // namespace kvx
