#include "framefixture.h"
#include <QGuiApplication>

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QTest>

#include "support/sampledatabase.h"

namespace kvx::test {

void FrameFixture::SetUp()
{
    QSettings().clear();
    ASSERT_TRUE(dir.isValid());
    frame = std::make_unique<CMainFrame>(AppServices{prompter, dialogs, clock});
    // A test that closed the window with a key may leave its modifier held as far as Qt knows.
    if (QGuiApplication::keyboardModifiers() != Qt::NoModifier)
        QTest::keyRelease(frame.get(), Qt::Key_Control);
}

void FrameFixture::TearDown()
{
    frame.reset();
}

QString FrameFixture::writeKvx(const QString& name, ChannelDatabase database) const
{
    const std::vector<uint8_t> image = imageOf(database);
    const QString path = pathFor(name);
    writeFile(path,
              QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size())));
    return path;
}

QByteArray FrameFixture::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void FrameFixture::writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void FrameFixture::open(const QString& path)
{
    ASSERT_EQ(view().OpenFile(path), StatusOk);
}

QTreeWidgetItem* FrameFixture::findItem(const QString& label) const
{
    const QList<QTreeWidgetItem*> found =
        frame->view()->tree()->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

QPoint FrameFixture::centerOf(QTreeWidgetItem* item) const
{
    CKVXTree* t = frame->view()->tree();
    t->scrollToItem(item);
    return t->visualItemRect(item).center();
}

void FrameFixture::clickOn(QTreeWidgetItem* item)
{
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(tree().viewport(), Qt::LeftButton, {}, centerOf(item));
}

void FrameFixture::trigger(CommandId id)
{
    QAction* action = frame->action(id);
    ASSERT_NE(action, nullptr);
    action->trigger();
}

} // namespace kvx::test
