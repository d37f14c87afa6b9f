// The application object as main() makes it. The GUI suite names its own QApplication, so the names the
// program gives its settings, and the file a file manager passes on the command line, are checked here,
// in a process that starts the program's way. Each test starts the program afresh with its own arguments.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/appsettings.h"
#include "app/childview.h"
#include "app/kvxeditapp.h"
#include "app/lyngsatsite.h"
#include "app/mainframe.h"
#include "db/databasesnapshot.h"
#include "db/fileops.h"
#include "panels/editbar.h"
#include "support/sampledatabase.h"

namespace {

std::string configHome;

std::string settingsFile()
{
    return configHome + "/Quellor/KVXEdit.conf";
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The program started with a command line as main() starts it, the file it names read ahead;
// QApplication keeps references to argc and argv, so they live as long as it does.
class StartedProgram {
public:
    explicit StartedProgram(std::vector<std::string> args)
            : args_(std::move(args))
    {
        for (std::string& arg : args_)
            argv_.push_back(arg.data());
        argv_.push_back(nullptr);
        argc_ = static_cast<int>(args_.size());
        app_ = std::make_unique<kvx::CKVXEditApp>(argc_, argv_.data());
        preload_ =
            std::make_unique<kvx::DatabasePreload>(kvx::CKVXEditApp::guessFileArgument(argc_, argv_.data()));
    }

    kvx::CKVXEditApp& app() { return *app_; }
    bool start() { return app_->InitInstance(*preload_); }

private:
    std::vector<std::string> args_;
    std::vector<char*> argv_;
    int argc_ = 0;
    std::unique_ptr<kvx::CKVXEditApp> app_;
    std::unique_ptr<kvx::DatabasePreload> preload_;
};

TEST(StartUpTest, SettingsAreReadFromAndWrittenToTheDocumentedFile)
{
    StartedProgram program({"kvxedit"});
    // A site set by hand in the file is the one the LyngSat update goes to.
    std::filesystem::create_directories(configHome + "/Quellor");
    std::ofstream(settingsFile()) << "[LyngSat]\nsiteAddress=http://127.0.0.1:8080/\n";
    EXPECT_EQ(QSettings().fileName().toStdString(), settingsFile());
    EXPECT_EQ(kvx::lyngSatSite(), "http://127.0.0.1:8080");

    kvx::appsettings::setNameEncoding(QStringLiteral("WINDOWS-1251"));
    QSettings().sync();
    EXPECT_NE(readAll(settingsFile()).find("nameEncoding=WINDOWS-1251"), std::string::npos);
}

// The desktop entry starts the editor as `kvxedit FILE`: the file is opened as File > Open opens it,
// and a file that cannot be opened is reported the same way, leaving the editor empty.
TEST(StartUpTest, AFileNamedOnTheCommandLineIsOpened)
{
    const std::string good = configHome + "/mylist.kvx";
    kvx::ChannelDatabase db = kvx::test::makeVariedDatabase(1, kvx::FLAG_PROG_CA);
    const std::vector<uint8_t> image = kvx::test::imageOf(db);
    std::ofstream(good, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    const QString openedTitle = QStringLiteral("mylist.kvx - KVXEdit : N(%1) T(%2) P(%3) F(%4)")
                                    .arg(db.networkCountForTitle())
                                    .arg(db.transponders.size())
                                    .arg(db.programs.size())
                                    .arg(db.favouriteCountForTitle());
    const std::string notKvx = configHome + "/notes.kvx";
    std::ofstream(notKvx) << "This is not a channel database, only a text file with the wrong name.\n";

    struct Case {
        std::string argument;
        QString message; // empty: no message box
        QString title;
    };
    const Case cases[] = {
        {good, {}, openedTitle},
        {notKvx, QStringLiteral("notes.kvx: Invalid KVX format"), QStringLiteral("KVXEdit")},
        {configHome + "/missing.kvx", QStringLiteral("missing.kvx: No file found"),
         QStringLiteral("KVXEdit")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        StartedProgram program({"kvxedit", c.argument});
        QString shown;
        // A message box is answered as a user does, with its OK button.
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        ASSERT_TRUE(program.start());
        QCoreApplication::processEvents();
        EXPECT_EQ(shown.toStdString(), c.message.toStdString());
        EXPECT_EQ(program.app().mainFrame()->windowTitle().toStdString(), c.title.toStdString());
        if (c.message.isEmpty()) { // the file read ahead is the one File > Open would read
            kvx::ChannelDatabase opened;
            ASSERT_EQ(kvx::openDatabase(opened, c.argument), kvx::StatusOk);
            EXPECT_TRUE(kvx::DatabaseSnapshot::take(program.app().mainFrame()->view()->database()) ==
                        kvx::DatabaseSnapshot::take(opened));
        }
    }
}

// What the user left behind is there again when the program starts the next time.
TEST(StartUpTest, TheWindowTheEncodingAndTheRecentFilesComeBack)
{
    auto first = std::make_unique<StartedProgram>(std::vector<std::string>{"kvxedit"});
    // The tests of one run share the settings file: what the others left there does not count here.
    QSettings().clear();
    ASSERT_TRUE(first->start());
    kvx::CMainFrame* frame = first->app().mainFrame();
    const std::string path = configHome + "/recent.kvx";
    kvx::ChannelDatabase db = kvx::test::makeVariedDatabase(1, kvx::FLAG_PROG_CA);
    const std::vector<uint8_t> image = kvx::test::imageOf(db);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    ASSERT_EQ(frame->view()->OpenFile(QString::fromStdString(path)), 0);
    frame->setGeometry(60, 70, 720, 530);
    frame->editBar()->setFloating(true);
    QAction* encoding = frame->encodingActions()->actions().last();
    encoding->trigger();
    const QString chosen = encoding->text();
    ASSERT_TRUE(frame->close());
    first.reset();

    auto second = std::make_unique<StartedProgram>(std::vector<std::string>{"kvxedit"});
    ASSERT_TRUE(second->start());
    frame = second->app().mainFrame();
    EXPECT_EQ(frame->size(), QSize(720, 530));
    EXPECT_TRUE(frame->editBar()->isFloating());
    EXPECT_EQ(QString::fromStdString(frame->view()->nameEncoding().codePage()), chosen);
    EXPECT_EQ(frame->encodingActions()->checkedAction()->text(), chosen);
    ASSERT_EQ(frame->recentFileActions().size(), 1);
    EXPECT_EQ(frame->recentFileActions()[0]->text(), "&1 " + QString::fromStdString(path));

    // Started again on the same file and closed as it was left, the program rewrites no setting.
    ASSERT_TRUE(frame->close());
    second.reset();
    struct stat before {};
    ASSERT_EQ(::stat(settingsFile().c_str(), &before), 0);
    auto third = std::make_unique<StartedProgram>(std::vector<std::string>{"kvxedit", path});
    ASSERT_TRUE(third->start());
    ASSERT_TRUE(third->app().mainFrame()->close());
    third.reset();
    struct stat after {};
    ASSERT_EQ(::stat(settingsFile().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The real executable with the arguments, its output kept.
ProgramRun runKvxedit(const std::string& arguments, const std::string& lang = "C.UTF-8")
{
    const std::string out = configHome + "/out";
    const std::string err = configHome + "/err";
    const std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=" + lang + " '" +
                                KVXEDIT_PATH + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readAll(out), readAll(err)};
}

// The texts a user of each language meets first: the menu bar, the edit bar, the program's own option and
// Qt's usage line of --help, and the notice of View > Language.
struct Speaker {
    const char* lang;
    std::vector<QString> menus;
    QString editBar;
    const char* fileOption;
    const char* usage;
    QString languageNotice;
};

const Speaker kSpeakers[] = {
    {"ru_RU.UTF-8",
     {"&Файл", "&Правка", "&Вид", "&Спутник", "&Транспондер", "П&рограмма", "Спр&авка"},
     "Пусто",
     "Открываемый файл KVX или CKVX.",
     "Использование: ",
     "Новый язык будет использоваться после перезапуска KVXEdit."},
    {"uk_UA.UTF-8",
     {"&Файл", "&Редагування", "&Вигляд", "&Супутник", "&Транспондер", "&Програма", "&Довідка"},
     "Порожньо",
     "Файл KVX або CKVX, який треба відкрити.",
     "Застосування: ",
     "Нова мова діятиме після наступного запуску KVXEdit."},
    {"de_DE.UTF-8",
     {"&Datei", "&Bearbeiten", "&Ansicht", "&Satellit", "&Transponder", "&Programm", "&Hilfe"},
     "Leer",
     "Die zu öffnende KVX- oder CKVX-Datei.",
     "Aufruf: ",
     "Die neue Sprache gilt ab dem nächsten Start von KVXEdit."},
};

std::vector<QString> menuTexts(const kvx::CMainFrame& frame)
{
    std::vector<QString> texts;
    for (const QAction* menu : frame.menuBar()->actions())
        texts.push_back(menu->text());
    return texts;
}

void PrintTo(const Speaker& speaker, std::ostream* out)
{
    *out << speaker.lang;
}

class SpeakerTest : public ::testing::TestWithParam<Speaker> {};

// The system's language is read once per process, so each language starts the program in a test of
// its own, as ctest runs them. A choice in View > Language is kept and outranks it at the next start.
TEST_P(SpeakerTest, TheProgramSpeaksTheSystemLanguageUntilAnotherIsChosen)
{
    const Speaker& speaker = GetParam();
    setenv("LANG", speaker.lang, 1);
    for (const char* overriding : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        unsetenv(overriding);
    std::filesystem::remove(settingsFile());
    const ProgramRun help = runKvxedit("--help", speaker.lang);
    EXPECT_EQ(help.exitCode, 0);
    for (const char* part : {speaker.fileOption, speaker.usage})
        EXPECT_NE(help.out.find(part), std::string::npos) << part << " in " << help.out;
    const std::vector<QString> english = {"&File",        "&Edit",    "&View", "&Satellite",
                                          "&Transponder", "&Program", "&Help"};
    {
        StartedProgram program({"kvxedit"});
        ASSERT_EQ(QLocale::system().name().toStdString() + ".UTF-8", speaker.lang)
            << "the system locale was read before this test";
        ASSERT_TRUE(program.start());
        kvx::CMainFrame* frame = program.app().mainFrame();
        EXPECT_EQ(menuTexts(*frame), speaker.menus);
        EXPECT_EQ(frame->editBar()->findChild<QLabel*>(QStringLiteral("emptyText"))->text(), speaker.editBar);
        QString notice;
        QTimer::singleShot(0, [&notice] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                notice = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        frame->languageActions()->actions().at(1)->trigger(); // English
        EXPECT_EQ(notice, speaker.languageNotice);
        EXPECT_EQ(menuTexts(*frame), speaker.menus) << "the texts change only at the next start";
    }
    StartedProgram again({"kvxedit"});
    ASSERT_TRUE(again.start());
    EXPECT_EQ(menuTexts(*again.app().mainFrame()), english);
    EXPECT_TRUE(again.app().mainFrame()->languageActions()->actions().at(1)->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Languages, SpeakerTest, ::testing::ValuesIn(kSpeakers),
                         [](const auto& info) { return std::string(info.param.lang).substr(0, 2); });

// The options of the manual page end the program before it opens a window.
TEST(StartUpTest, HelpVersionAndAWrongOptionAnswerOnTheTerminal)
{
    const ProgramRun version = runKvxedit("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "KVXEdit " KVX_VERSION "\n");

    const ProgramRun help = runKvxedit("--help");
    EXPECT_EQ(help.exitCode, 0);
    for (const char* part :
         {"Usage: ", " [options] [FILE]", "-h, --help", "-v, --version", "The KVX or CKVX file to open."})
        EXPECT_NE(help.out.find(part), std::string::npos) << part << " in " << help.out;

    const ProgramRun wrong = runKvxedit("--bogus");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.out, "");
    EXPECT_NE(wrong.err.find("Unknown option 'bogus'"), std::string::npos) << wrong.err;
}

} // namespace

int main(int argc, char** argv)
{
    std::string pattern = "/tmp/kvxstartup-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        return 1;
    configHome = pattern;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", configHome.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(configHome, ignored);
    return result;
}
