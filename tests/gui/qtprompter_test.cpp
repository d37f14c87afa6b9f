#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/qtprompter.h"

using namespace kvx;

namespace {

// Runs `answer` on the modal dialog of type T once it is open.
template <class T, class F>
void whenOpen(F answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(dialog);
    });
}

} // namespace

TEST(QtPrompter, QuestionsAreCaptionedWithTheApplicationName)
{
    QtPrompter prompter;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenOpen<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        EXPECT_NE(box->button(QMessageBox::Cancel), nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(prompter.askYesNoCancel("Save changes to /tmp/a.kvx?"), PromptAnswer::No);
    EXPECT_EQ(caption, "KVXEdit");
    EXPECT_EQ(text, "Save changes to /tmp/a.kvx?");
    EXPECT_EQ(icon, QMessageBox::Question);

    whenOpen<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    prompter.showMessage("Bad checksum", PromptIcon::Stop);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(QtPrompter, RiskyQuestionDefaultsToNo)
{
    QtPrompter prompter;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenOpen<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
    });
    EXPECT_EQ(prompter.askYesNo("Open it anyway?", PromptIcon::Warning), PromptAnswer::No);
    EXPECT_EQ(icon, QMessageBox::Warning);
    whenOpen<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(prompter.askYesNo("Open it anyway?", PromptIcon::Warning), PromptAnswer::Yes);
}

TEST(QtPrompter, SaveDialogReportsTheChosenFilter)
{
    QTemporaryDir dir;
    QtPrompter prompter;
    const FileDialogSpec request{
        {"Network Database File (*.KVX)", "Compressed Network Database File (*.CKVX)", "All file (*)"},
        "KVX",
        dir.filePath("start.KVX")};
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        dialog->selectNameFilter(request.filters[1]);
        dialog->selectFile(dir.filePath("packed.CKVX"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<SaveFileChoice> choice = prompter.chooseSaveFile(request);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->filterIndex, 1);
    EXPECT_EQ(choice->path, dir.filePath("packed.CKVX"));

    // A name typed without extension gets the one of the chosen form.
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        // As the user picks it from the list.
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        types->setCurrentIndex(1);
        emit types->activated(1);
        emit types->textActivated(types->itemText(1));
        dialog->selectFile(dir.filePath("bare"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(prompter.chooseSaveFile(request)->path, dir.filePath("bare.CKVX"));

    whenOpen<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(prompter.chooseSaveFile(request).has_value());
}
