#pragma once

#include <QMenu>

#include "framefixture.h"
#include "support/sampledatabase.h"

namespace kvx::test {

// A shown main window on the combo sample database (transponders labelled TP0..TP3, the terrestrial one
// 0.474 (8 Mhz)), with the tree expanded. Context menus are answered by the test instead of a popup.
class CommandsFixture : public FrameFixture {
protected:
    static constexpr uint32_t kFlags = FLAG_PROG_CA | FLAG_TP_EXTRA | FLAG_PROG_EXTRA | FLAG_TP_NAMES;

    void SetUp() override;
    // Opens the database in place of the sample one.
    void reopen(ChannelDatabase database);

    void select(const QString& label);
    QTreeWidgetItem* terrestrialNetwork() { return tree().topLevelItem(TERRESTRIAL_SLOT); }
    QStringList childLabels(QTreeWidgetItem* item) const;
    std::vector<std::string> programNames() const;

    // The next context menu picks the item with this text ("" picks none); the menu is kept for
    // inspection as its item texts, with "(off)" after greyed ones.
    void chooseInContextMenu(const QString& text) { menuChoice = text; }
    void requestContextMenu();

    QString menuChoice;
    QStringList menuShown;
    int menusShown = 0;
};

// The texts of a menu's items, "|" for a separator and "(off)" after disabled ones.
QStringList menuTexts(const QMenu& menu);

} // namespace kvx::test
