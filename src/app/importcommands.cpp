// The view's Satellite commands that fill a network from outside: SATCODX import, LyngSat update, the
// system's scan tables and satellites.xml files.

#include "app/appservices.h"
#include "app/appsettings.h"
#include "app/busywindowguard.h"
#include "app/childview.h"
#include "app/importreview.h"
#include "app/importsatcodx.h"
#include "app/loadedhttpfetcher.h"
#include "app/lyngsatsite.h"
#include "app/lyngsatupdater.h"
#include "app/transponderlistimport.h"
#include "base/status.h"
#include "panels/editbar.h"

namespace kvx {

namespace {

HttpFetcher& httpOf(const AppServices& services, QWidget* window)
{
    // The program's fetcher keeps no state between calls but the window its progress dialog is modal to.
    static LoadedHttpFetcher network;
    network.setWindow(window);
    return services.http != nullptr ? *services.http : network;
}

} // namespace

bool CChildView::canImportIntoNetwork() const
{
    // Satellite transponders have no place in the terrestrial network.
    return page() == PAGE_NETWORK && currentNet_ != nullptr && currentItem_ != nullptr &&
           !editBar_->terrestrialMode();
}

void CChildView::selectNetworkAfterImport(const NetInfo& network)
{
    // The rebuild selected the first network; the filled one takes the selection back.
    if (QTreeWidgetItem* item = CKVXTree::itemOf(network.treeItem)) {
        tree_->setCurrentItem(item);
        tree_->openBranch(item);
    }
}

void CChildView::OnImportSatcodx()
{
    if (ApplyEdits(1) == 1 || !canImportIntoNetwork())
        return;
    const BusyWindowGuard busy(this);
    NetInfo* network = currentNet_;
    if (ImportSatcodx({services_.prompter, services_.dialogs, this, encoding_}, database_, *network) !=
        StatusOk)
        return;
    // The edit bar takes the imported name and position before the rebuild moves the selection.
    ShowNetworkItem(currentItem_);
    rebuildTree(false, [&] { selectNetworkAfterImport(*network); });
    MarkModified(tr("Import SATCODX"));
}

void CChildView::OnUpdateFromLyngSat()
{
    if (ApplyEdits(1) == 1 || !canImportIntoNetwork())
        return;
    const BusyWindowGuard busy(this);
    NetInfo* network = currentNet_;
    LyngSatUpdater updater(
        {services_.prompter, services_.dialogs, httpOf(services_, window()), this, encoding_, lyngSatSite()});
    if (updater.UpdateFromLyngSat(database_, *network) != StatusOk)
        return;
    ShowNetworkItem(currentItem_);
    rebuildTree(false, [&] { selectNetworkAfterImport(*network); });
    MarkModified(tr("Update from LyngSat"));
}

// The two list imports end as the other imports do: the filled network selected, one undo step.
void CChildView::finishListImport(NetInfo& network, const QString& stepName)
{
    ShowNetworkItem(currentItem_);
    tree_->Build(&database_);
    selectNetworkAfterImport(network);
    MarkModified(stepName);
}

void CChildView::OnUpdateFromScanTable()
{
    // The terrestrial network takes the region tables.
    if (ApplyEdits(1) == 1 || page() != PAGE_NETWORK || currentNet_ == nullptr || currentItem_ == nullptr)
        return;
    const BusyWindowGuard busy(this);
    NetInfo* network = currentNet_;
    if (UpdateFromScanTable({services_.prompter, services_.dialogs, this, encoding_}, database_, *network,
                            appsettings::scanTableFolder(), editBar_->terrestrialMode()) == StatusOk)
        finishListImport(*network, tr("Update from Scan Table"));
}

void CChildView::OnImportSatellitesXml()
{
    if (ApplyEdits(1) == 1 || !canImportIntoNetwork())
        return;
    const BusyWindowGuard busy(this);
    NetInfo* network = currentNet_;
    if (ImportSatellitesXml({services_.prompter, services_.dialogs, this, encoding_}, database_, *network) ==
        StatusOk)
        finishListImport(*network, tr("Import satellites.xml"));
}

} // namespace kvx
