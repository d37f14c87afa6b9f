// The editor in the languages it is translated to: the menus, an edit-bar page, a question and a dialog
// read in the user's language, Qt's own buttons too, and no translated text is cut short.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "app/translations.h"
#include "framefixture.h"
#include "panels/dlgdate.h"
#include "support/sampledatabase.h"

using namespace kvx;
using namespace kvx::test;

namespace {

struct Speaker {
    const char* language;
    const char* programMenu;
    const char* degreeLabel; // the network page's
    const char* question;    // Delete on a program
    const char* dateTitle;
    const char* cancel;    // Qt's translation
    const char* universal; // a choice of the core's table, on the network page
    const char* noFile;    // the core's status, told by File > Open
};

const Speaker kSpeakers[] = {
    {"ru", "П&рограмма", " Градус", "Удалить программу \"Prog 0\"?", "Дата последнего изменения", "Отмена",
     "Универсальный", "Файл не найден"},
    {"uk", "&Програма", " Градус", "Видалити програму \"Prog 0\"?", "Дата останньої зміни", "Скасувати",
     "Універсальний", "Файл не знайдено"},
    {"de", "&Programm", " Grad", "Das Programm \"Prog 0\" löschen?", "Letztes Änderungsdatum", "Abbrechen",
     "Universal", "Keine Datei gefunden"},
};

class TranslationsTest : public FrameFixture {
protected:
    void TearDown() override
    {
        installTranslations(QStringLiteral("en"));
        FrameFixture::TearDown();
    }
};

// Every button and label of the shown window is given at least the width its text asks for.
void expectNothingCut(QWidget& window)
{
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        const bool hasText =
            qobject_cast<QAbstractButton*>(widget) != nullptr || (label && !label->wordWrap());
        if (hasText && widget->isVisible())
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << widget->objectName().toStdString();
    }
}

} // namespace

TEST_F(TranslationsTest, TheUserMeetsTheEditorInTheChosenLanguage)
{
    for (const Speaker& speaker : kSpeakers) {
        SCOPED_TRACE(speaker.language);
        installTranslations(QString::fromLatin1(speaker.language));
        frame = std::make_unique<CMainFrame>(AppServices{prompter, dialogs, clock});
        open(writeKvx(QStringLiteral("speaks.kvx"), makeVariedDatabase(1, FLAG_PROG_CA)));
        frame->show();
        QApplication::setActiveWindow(frame.get());
        EXPECT_EQ(frame->menuBar()->actions().at(5)->text(), QString::fromUtf8(speaker.programMenu));

        clickOn(findItem(QStringLiteral("Astra 1")));
        auto* degree = editBar().widget()->findChild<QLabel*>(QStringLiteral("degreeLabel"));
        ASSERT_NE(degree, nullptr);
        EXPECT_EQ(degree->text(), QString::fromUtf8(speaker.degreeLabel));
        EXPECT_EQ(editBar().widget()->findChild<QComboBox*>(QStringLiteral("lnbType"))->itemText(1),
                  QString::fromUtf8(speaker.universal));
        expectNothingCut(*editBar().widget());

        clickOn(findItem(QStringLiteral("Prog 0")));
        prompter.answerQuestion(PromptAnswer::No);
        tree().setFocus();
        QTest::keyClick(&tree(), Qt::Key_Delete);
        ASSERT_FALSE(prompter.shown.isEmpty());
        EXPECT_EQ(prompter.shown.back(), QString::fromUtf8(speaker.question));

        prompter.chooseFile(pathFor(QStringLiteral("missing.kvx")));
        prompter.acknowledgeMessage();
        QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(prompter.shown.back(), QStringLiteral("missing.kvx: ") + QString::fromUtf8(speaker.noFile));

        CDlgDate date(frame.get());
        date.show();
        EXPECT_EQ(date.windowTitle(), QString::fromUtf8(speaker.dateTitle));
        EXPECT_EQ(date.findChild<QAbstractButton*>(QStringLiteral("cancel"))->text(),
                  QString::fromUtf8(speaker.cancel));
        expectNothingCut(date);
    }
}
