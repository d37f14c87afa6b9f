// Writes PNGs of the editor's window and of each of its dialogs, in one language, into a folder:
//   kvx_screenshots LANGUAGE FOLDER
// The window shows a sample file with a network, a transponder and a program chosen in turn.
#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/childview.h"
#include "app/dialogfactory.h"
#include "app/mainframe.h"
#include "app/qtprompter.h"
#include "app/translations.h"
#include "platform/clock.h"
#include "res/resources.h"
#include "sampledialogs.h"
#include "support/sampledatabase.h"
#include "ui/appnames.h"

using namespace kvx;

namespace {

bool save(QWidget& widget, const QDir& folder, const QString& name)
{
    QTest::qWait(50); // the layouts and the first paint
    return widget.grab().save(folder.filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        qCritical("usage: kvx_screenshots LANGUAGE FOLDER");
        return 2;
    }
    QApplication::setOrganizationName(organizationName());
    QApplication::setApplicationName(applicationName());
    initResources();
    installTranslations(QString::fromLocal8Bit(argv[1]));
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir scratch;
    const QString sample = scratch.filePath(QStringLiteral("sample.kvx"));
    ChannelDatabase db = test::makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_NAMES | FLAG_NET_SKEW |
                                                         FLAG_TP_EXTRA | FLAG_PROG_EXTRA);
    const std::vector<uint8_t> image = test::imageOf(db);
    QFile file(sample);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size())) < 0)
        return 1;
    file.close();

    QtPrompter prompter;
    QtDialogFactory dialogs;
    CMainFrame frame(AppServices{prompter, dialogs, SystemClock::instance()});
    prompter.setParentWidget(&frame);
    frame.show();
    if (frame.view()->OpenFile(sample) != StatusOk)
        return 1;
    bool saved = true;
    for (const char* item : {"Astra 1", "TP0", "0.474 (7 Mhz)", "Prog 0"}) {
        CKVXTree& tree = *frame.view()->tree();
        const auto found = tree.findItems(QString::fromLatin1(item), Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty())
            return 1;
        tree.scrollToItem(found.first());
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(found.first()).center());
        saved = save(frame, folder,
                     QStringLiteral("main-") + QString::fromLatin1(item).remove(
                                                   QRegularExpression(QStringLiteral("[^A-Za-z0-9]")))) &&
                saved;
    }
    test::SampleDialogs samples;
    for (auto& [name, dialog] : samples.make(prompter, &frame)) {
        dialog->show();
        saved = save(*dialog, folder, QString::fromLatin1(name)) && saved;
    }
    return saved ? 0 : 1;
}
