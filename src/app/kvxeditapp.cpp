#include "app/kvxeditapp.h"

#include <filesystem>
#include <system_error>

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include "app/appsettings.h"
#include "app/childview.h"
#include "app/mainframe.h"
#include "app/translations.h"
#include "platform/clock.h"
#include "res/resources.h"
#include "ui/appnames.h"

namespace kvx {

namespace {

// The FILE argument, or none. --help and --version print their text and end the program, and so does
// a wrong command line with its error on standard error (status 1), as QCommandLineParser does. Qt's
// own options (-platform, -style, ...) were taken out of the arguments by QApplication already.
QString fileArgument(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CKVXEditApp", "Edit the channel databases of digital TV receivers: KVX and CKVX files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("CKVXEditApp", "The KVX or CKVX file to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    return parser.positionalArguments().value(0);
}

// With KVXEDIT_QUIT_WHEN_PAINTED set, the program ends once its tree was painted with the document: the
// end point of start-up timings, which compare it with a bare window that does the same.
class QuitWhenPainted final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

CKVXEditApp::CKVXEditApp(int& argc, char** argv)
        : QApplication(argc, argv)
{
    // Qualified: inside the application class the bare names are Qt's own getters, which would name
    // the settings after nothing.
    setOrganizationName(kvx::organizationName());
    setApplicationName(kvx::applicationName());
    setApplicationVersion(kvx::applicationVersion());
    setDesktopFileName(kvx::applicationId());
    initResources();
    // Before anything shows a text, --help included; the settings are named by now.
    installTranslations(appsettings::language());
}

CKVXEditApp::~CKVXEditApp() = default;

std::string CKVXEditApp::guessFileArgument(int argc, char** argv)
{
    if (argc < 2 || argv[argc - 1][0] == '-')
        return {};
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(argv[argc - 1], error);
    return error ? std::string() : path.lexically_normal().string();
}

bool CKVXEditApp::InitInstance(DatabasePreload& preload)
{
    const QString file = fileArgument(*this);
    frame_ = std::make_unique<CMainFrame>(AppServices{prompter_, dialogs_, SystemClock::instance()});
    prompter_.setParentWidget(frame_.get());
    frame_->show();
    // A file manager's "Open with" passes the file as the one argument.
    if (!file.isEmpty()) {
        const QString path = QFileInfo(file).absoluteFilePath();
        if (path.toStdString() == preload.path())
            frame_->view()->OpenLoaded(path, preload.take());
        else
            frame_->view()->OpenFile(path);
    }
    if (qEnvironmentVariableIsSet("KVXEDIT_QUIT_WHEN_PAINTED"))
        frame_->view()->tree()->viewport()->installEventFilter(new QuitWhenPainted(frame_.get()));
    return true;
}

} // namespace kvx
