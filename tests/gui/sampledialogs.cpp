#include "sampledialogs.h"

#include "panels/aboutdlg.h"
#include "panels/dlgaudio.h"
#include "panels/dlgchlist.h"
#include "panels/dlgdate.h"
#include "panels/dlgfavname.h"
#include "panels/dlglyngsat.h"
#include "panels/dlgreview.h"
#include "panels/dlgselectmodel.h"
#include "panels/dlgtransponderlist.h"
#include "support/rescan.h"
#include "support/sampledatabase.h"

namespace kvx::test {

SampleDialogs::SampleDialogs()
        : db_(makeLargeDatabase({.networks = 2, .transponders = 6, .programs = 24, .favouriteEntries = 4}))
        , reference_(makeRescan(db_, {.goneEvery = 7, .newPrograms = 2, .serviceIdEvery = 5}).db)
        , plan_(planReference(db_, reference_))
        , request_{db_, plan_, encoding_, QStringLiteral("reference.kvx"), {}}
{}

std::vector<std::pair<const char*, std::unique_ptr<QDialog>>> SampleDialogs::make(Prompter& prompter,
                                                                                  QWidget* parent)
{
    ImportReview review;
    review.title = QStringLiteral("Check Database");
    review.changeCount = 3;
    review.rows = {
        {ReviewRow::Kind::Removed, {"12150", "H", "27500", "DVB-S", "AUTO", "2"}, {}, 2, 0, true, {}},
        {ReviewRow::Kind::Updated, {"12111 → 12112", "V", "27500", "DVB-S2", "3/4", ""}, {}, 0, 1, true, {}},
        {ReviewRow::Kind::Added, {"12188", "H", "22000", "DVB-S", "5/6", ""}, {}, 0, 2, false, {}},
    };
    const TransponderListDialogValues transponders{
        QStringLiteral("Scan Table"),
        QStringLiteral("Astra (19.2E)"),
        {{QStringLiteral("Astra 1KR/1L/1M/1N"), QStringLiteral("19.2E")}, {QStringLiteral("Hotbird"), {}}},
        0,
        {}};
    auto audio = std::make_unique<CDlgAudio>(parent);
    audio->setPidList(db_.programs[0].audioPids);
    std::vector<std::pair<const char*, std::unique_ptr<QDialog>>> dialogs;
    dialogs.emplace_back("model", std::make_unique<CDlgSelectModel>(parent));
    dialogs.emplace_back("about", std::make_unique<CAboutDlg>(parent));
    dialogs.emplace_back("date", std::make_unique<CDlgDate>(parent));
    dialogs.emplace_back("audio", std::move(audio));
    dialogs.emplace_back("favourite-names", std::make_unique<CDlgFavName>(parent));
    dialogs.emplace_back(
        "lyngsat", std::make_unique<CDlgLyngSat>(
                       LyngSatDialogValues{QStringLiteral("Astra"), QStringLiteral("19.2E"), LyngSatBand::Ku,
                                           QStringLiteral("https://www.lyngsat.com"), std::nullopt},
                       parent));
    dialogs.emplace_back("transponder-list", std::make_unique<CDlgTransponderList>(transponders, parent));
    dialogs.emplace_back("review", std::make_unique<CDlgReview>(review, parent));
    dialogs.emplace_back("channel-list", std::make_unique<CDlgChList>(db_, encoding_, prompter, parent));
    dialogs.emplace_back("reference", std::make_unique<CDlgReference>(request_, parent));
    return dialogs;
}

} // namespace kvx::test
