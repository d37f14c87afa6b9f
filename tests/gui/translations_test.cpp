// The editor in the languages it is translated to: the menus, an edit-bar page, a question and a dialog
// read in the user's language, Qt's own buttons too, and no translated text is cut short.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>
#include <map>

#include "app/translations.h"
#include "framefixture.h"
#include "panels/dlgdate.h"
#include "sampledialogs.h"
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

// Every button, label, group box and choice list of the shown window is given at least the width its text
// asks for, and a label that wraps the height its lines ask for.
void expectNothingCut(QWidget& window)
{
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        auto* label = qobject_cast<QLabel*>(widget);
        if (label && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
        } else if (label || qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget) ||
                   qobject_cast<QComboBox*>(widget)) {
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << widget->objectName().toStdString();
        }
    }
}

// No two shown buttons, labels of a field, group boxes or tabs of the window answer the same Alt+letter.
void expectOneControlPerMnemonic(QWidget& window)
{
    QStringList texts;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            texts << label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            texts << box->title();
        else if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts << tabs->tabText(tab);
    }
    std::map<QString, QString> seen;
    for (const QString& text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty())
            continue;
        const auto [first, fresh] = seen.emplace(key, text);
        EXPECT_TRUE(fresh) << text.toStdString() << " and " << first->second.toStdString();
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
        // The date reads in the language chosen too, whatever the system's.
        const auto* day = date.findChild<QDateEdit*>();
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->text(),
                  QLocale(QString::fromLatin1(speaker.language)).toString(day->date(), QLocale::LongFormat));
    }
}

TEST_F(TranslationsTest, EveryDialogAndPageShowsItsTextsWholeAndEachAltLetterOnce)
{
    SampleDialogs samples;
    for (const char* language : {"ru", "uk", "de"}) {
        SCOPED_TRACE(language);
        installTranslations(QString::fromLatin1(language));
        frame = std::make_unique<CMainFrame>(AppServices{prompter, dialogs, clock});
        open(writeKvx(QStringLiteral("pages.kvx"),
                      makeVariedDatabase(2, FLAG_PROG_CA | FLAG_TP_NAMES | FLAG_NET_SKEW | FLAG_TP_EXTRA |
                                                FLAG_PROG_EXTRA)));
        frame->show();
        for (const char* item : {"Astra 1", "TP0", "0.474 (7 Mhz)", "Prog 0"}) {
            SCOPED_TRACE(item);
            clickOn(findItem(QString::fromLatin1(item)));
            expectNothingCut(*editBar().widget());
            expectOneControlPerMnemonic(*editBar().widget());
        }
        for (auto& [name, dialog] : samples.make(prompter, frame.get())) {
            SCOPED_TRACE(name);
            dialog->show();
            expectNothingCut(*dialog);
            expectOneControlPerMnemonic(*dialog);
        }
    }
}
