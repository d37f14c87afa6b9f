#include <map>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include "commandsfixture.h"
#include "reviewdriver.h"
#include "support/rescan.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// The old list: 40 uniquely named programs on two satellites, favourite groups with entries, the first
// named "Old favourites". The open database is its rescan: 5 programs gone, 3 new, 5 with another service ID
// (they match by name), the groups emptied.
class ApplyReferenceTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        original =
            makeLargeDatabase({.networks = 2, .transponders = 8, .programs = 40, .favouriteEntries = 6});
        original.favourites[0].name = "Old favourites";
        rescan = makeRescan(original, {.goneEvery = 9, .newPrograms = 3, .serviceIdEvery = 6});
        reopen(rescan.db);
        before = imageOf(db());
        for (std::size_t k = 0; k < original.programs.size(); ++k)
            originByName[original.programs[k].name] = static_cast<int>(k);
    }

    // Runs the command as the Edit menu's entry does, on the file chosen in the file dialog; a message
    // that follows is acknowledged when asked for.
    void applyReference(const QString& path, bool acknowledge = false)
    {
        prompter.chooseFile(path);
        if (acknowledge)
            prompter.acknowledgeMessage();
        QAction* entry = nullptr;
        for (QAction* menu : frame->menuBar()->actions())
            if (menu->text() == "&Edit")
                for (QAction* item : menu->menu()->actions())
                    if (item->text() == "&Apply Reference List...")
                        entry = item;
        ASSERT_NE(entry, nullptr);
        ASSERT_TRUE(entry->isEnabled());
        entry->trigger();
    }

    // The counts as the rescan made them, with `untickedNames` name matches left out.
    QString expectedCounts(int untickedNames) const
    {
        int sure = 0, byName = 0, fresh = 0;
        for (std::size_t k = 0; k < rescan.originOf.size(); ++k) {
            fresh += rescan.originOf[k] < 0;
            byName += rescan.serviceIdChanged[k];
            sure += rescan.originOf[k] >= 0 && !rescan.serviceIdChanged[k];
        }
        return QString("Sure matches: %1; name matches: %2; unmatched here: %3; unmatched in the reference: "
                       "%4; copied: 0")
            .arg(sure)
            .arg(byName - untickedNames)
            .arg(fresh + untickedNames)
            .arg(rescan.gone + untickedNames);
    }

    void expectUnchanged()
    {
        EXPECT_EQ(imageOf(db()), before);
        EXPECT_FALSE(view().modified());
        EXPECT_FALSE(frame->action(ID_EDIT_UNDO)->isEnabled());
    }

    static QString tabText(CDlgReference& dialog, int tab)
    {
        return dialog.findChild<QTabWidget*>("sections")->tabText(tab);
    }

    ChannelDatabase original;
    Rescan rescan;
    std::vector<uint8_t> before;
    std::map<std::string, int> originByName;
};

QStringList rowOf(const QTreeView* view, int row)
{
    QStringList cells;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        cells << view->model()->index(row, column).data().toString();
    return cells;
}

} // namespace

TEST_F(ApplyReferenceTest, TickedMatchesTakeTheReferenceOrderAndGroupsAsOneUndoStep)
{
    const QString reference = writeKvx("old.kvx", original);
    std::string unticked;
    dialogs.answerReferenceWith([&](CDlgReference& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Apply Reference List - old.kvx");
        auto* counts = dialog.findChild<QLabel*>("counts");
        EXPECT_EQ(counts->text(), expectedCounts(0));
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("favourites")->isChecked());
        EXPECT_FALSE(dialog.findChild<QCheckBox*>("names")->isChecked());
        EXPECT_FALSE(dialog.findChild<QCheckBox*>("copyMissing")->isChecked());
        EXPECT_FALSE(dialog.findChild<QLabel*>("problemsNote")->isVisible());
        EXPECT_EQ(tabText(dialog, 0), "Name Matches (5)");

        auto* matches = dialog.findChild<QTreeWidget*>("nameMatches");
        ASSERT_EQ(matches->topLevelItemCount(), 5);
        QTreeWidgetItem* first = matches->topLevelItem(0);
        unticked = first->text(0).toStdString();
        EXPECT_EQ(first->text(1), first->text(0)); // a rescan keeps the names
        clickTickBox(matches, first);
        EXPECT_EQ(first->checkState(0), Qt::Unchecked);
        EXPECT_EQ(counts->text(), expectedCounts(1));

        // Each moved channel reads its old and new number; the first group takes the reference's name.
        const auto* moves = dialog.findChild<QTreeView*>("moves");
        ASSERT_GT(moves->model()->rowCount(), 0);
        EXPECT_EQ(tabText(dialog, 1), QString("Moved Channels (%1)").arg(moves->model()->rowCount()));
        const QStringList move = rowOf(moves, 0);
        EXPECT_TRUE(move[0] == "TV" || move[0] == "Radio");
        EXPECT_NE(move[1], move[2]);
        const auto* groups = dialog.findChild<QTreeView*>("favouriteChanges");
        ASSERT_GT(groups->model()->rowCount(), 0);
        EXPECT_EQ(
            rowOf(groups, 0).mid(0, 2),
            QStringList({"1", QString::fromStdString(rescan.db.favourites[0].name) + " → Old favourites"}));
        EXPECT_EQ(tabText(dialog, 3), "Renames (0)");
        QTest::mouseClick(dialog.findChild<QPushButton*>("apply"), Qt::LeftButton);
    });
    applyReference(reference);
    EXPECT_TRUE(prompter.shown.isEmpty());
    ASSERT_EQ(dialogs.referenceReviewsShown, 1);
    ASSERT_FALSE(unticked.empty());

    // The matched programs come first in the reference's order, the rest follow in their order before.
    const auto originOf = [&](const ProgInfo& prog) {
        const auto found = originByName.find(prog.name);
        return found == originByName.end() || prog.name == unticked ? -1 : found->second;
    };
    std::vector<std::string> unmatchedBefore;
    for (std::size_t k = 0; k < rescan.db.programs.size(); ++k)
        if (originOf(rescan.db.programs[k]) < 0)
            unmatchedBefore.push_back(rescan.db.programs[k].name);
    std::vector<std::string> unmatchedAfter;
    int lastOrigin = -1;
    for (const ProgInfo& prog : db().programs) {
        const int origin = originOf(prog);
        if (origin < 0) {
            unmatchedAfter.push_back(prog.name);
            continue;
        }
        EXPECT_TRUE(unmatchedAfter.empty()) << prog.name << " follows an unmatched program";
        EXPECT_GT(origin, lastOrigin) << prog.name;
        lastOrigin = origin;
    }
    EXPECT_EQ(unmatchedAfter, unmatchedBefore);
    EXPECT_EQ(db().programs.size(), rescan.db.programs.size());

    // Every group names the reference's programs that are still here, in its order.
    for (std::size_t g = 0; g < db().favourites.size(); ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(db().favourites[g].name, original.favourites[g].name);
        for (const bool radio : {false, true}) {
            std::vector<std::string> expected, actual;
            for (const uint16_t entry : original.favourites[g].listFor(radio)) {
                const std::string& name = original.programs[entry].name;
                for (const ProgInfo& prog : db().programs)
                    if (prog.name == name && name != unticked)
                        expected.push_back(name);
            }
            for (const uint16_t entry : db().favourites[g].listFor(radio))
                actual.push_back(db().programs[entry].name);
            EXPECT_EQ(actual, expected);
        }
    }
    // The tree was built again on the new records, with a record selected.
    int programItems = 0;
    for (int n = 0; n < tree().topLevelItemCount(); ++n)
        for (int t = 0; t < tree().topLevelItem(n)->childCount(); ++t)
            for (int p = 0; p < tree().topLevelItem(n)->child(t)->childCount(); ++p, ++programItems)
                EXPECT_GE(
                    db().programs.indexOf(CKVXTree::programOf(tree().topLevelItem(n)->child(t)->child(p))),
                    0);
    EXPECT_EQ(programItems, static_cast<int>(db().programs.size()));
    EXPECT_NE(view().currentItem(), nullptr);
    EXPECT_TRUE(view().modified());

    EXPECT_EQ(frame->action(ID_EDIT_UNDO)->text(), "&Undo Apply Reference List");
    trigger(ID_EDIT_UNDO);
    expectUnchanged();
}

TEST_F(ApplyReferenceTest, OptionsDecideWhatElseChanges)
{
    // The reference spells one name in capitals: a sure match that the names option renames.
    original.programs[3].name = "SERVICE PROGRAM 3";
    const QString reference = writeKvx("old.kvx", original);
    struct Case {
        bool favourites;
        bool names;
    };
    for (const Case c : {Case{true, false}, Case{false, true}, Case{false, false}}) {
        SCOPED_TRACE(testing::Message() << "favourites " << c.favourites << ", names " << c.names);
        dialogs.answerReferenceWith([&](CDlgReference& dialog) {
            for (const auto& [name, wanted] :
                 {std::pair{"favourites", c.favourites}, std::pair{"names", c.names}}) {
                auto* option = dialog.findChild<QCheckBox*>(name);
                if (option->isChecked() != wanted)
                    QTest::mouseClick(option, Qt::LeftButton);
            }
            const auto* renames = dialog.findChild<QTreeView*>("renames");
            EXPECT_EQ(tabText(dialog, 3), c.names ? "Renames (1)" : "Renames (0)");
            if (c.names) {
                EXPECT_EQ(rowOf(renames, 0), QStringList({"TV", "Service program 3", "SERVICE PROGRAM 3"}));
            }
            EXPECT_EQ(dialog.findChild<QTreeView*>("favouriteChanges")->model()->rowCount() > 0,
                      c.favourites);
            QTest::mouseClick(dialog.findChild<QPushButton*>("apply"), Qt::LeftButton);
        });
        applyReference(reference);
        EXPECT_EQ(db().favourites[0].name, c.favourites ? "Old favourites" : rescan.db.favourites[0].name);
        EXPECT_EQ(db().favourites[0].tvList.empty(), !c.favourites);
        bool renamed = false;
        for (const ProgInfo& prog : db().programs)
            renamed |= prog.name == "SERVICE PROGRAM 3";
        EXPECT_EQ(renamed, c.names);
        EXPECT_NE(imageOf(db()), before); // the order changes whatever the options
        trigger(ID_EDIT_UNDO);
        expectUnchanged();
    }
}

TEST_F(ApplyReferenceTest, NothingChangesWithoutAnApply)
{
    struct Case {
        const char* what;
        QString reference;   // empty: the file dialog is cancelled
        QString message;     // the prompt's text, or its start; empty for none
        bool review = false; // the review opens and is cancelled
    };
    ChannelDatabase renamed = rescan.db;
    renamed.programs[0].name += " HD";
    writeFile(pathFor("bad.kvx"), "not a database");
    const Case cases[] = {
        {"cancelled file dialog", {}, {}},
        {"missing file", pathFor("gone.kvx"), "gone.kvx: "},
        {"damaged file", pathFor("bad.kvx"), "bad.kvx: "},
        {"the database itself", writeKvx("same.kvx", rescan.db), "The reference list changes nothing."},
        {"review cancelled", writeKvx("old.kvx", original), {}, true},
        {"a rename only, names off", writeKvx("renamed.kvx", renamed), {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const qsizetype shown = prompter.shown.size();
        if (c.reference.isEmpty()) {
            prompter.cancelFileDialog();
            trigger(ID_EDIT_APPLY_REFERENCE);
        } else {
            if (c.review)
                dialogs.answerReferenceWith([&](CDlgReference& dialog) {
                    // Ticking the names would make the rename; as the dialog opens nothing would change.
                    const bool changes = c.reference != pathFor("renamed.kvx");
                    EXPECT_EQ(dialog.findChild<QPushButton*>("apply")->isEnabled(), changes);
                    EXPECT_EQ(dialog.findChild<QLabel*>("nothing")->isVisible(), !changes);
                    if (!changes) {
                        QTest::mouseClick(dialog.findChild<QCheckBox*>("names"), Qt::LeftButton);
                        EXPECT_TRUE(dialog.findChild<QPushButton*>("apply")->isEnabled());
                    }
                    QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
                });
            applyReference(c.reference, !c.message.isEmpty());
        }
        ASSERT_EQ(prompter.fileDialogs.size(), &c - cases + 1);
        EXPECT_EQ(prompter.fileDialogs.back().filters.value(0), "Reference lists (*.kvx *.ckvx *.csv)");
        if (c.message.isEmpty()) {
            EXPECT_EQ(prompter.shown.size(), shown);
        } else {
            ASSERT_EQ(prompter.shown.size(), shown + 1);
            EXPECT_TRUE(prompter.shown.back().startsWith(c.message)) << prompter.shown.back().toStdString();
        }
        expectUnchanged();
    }
}
