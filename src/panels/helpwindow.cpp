#include "panels/helpwindow.h"

#include <QFile>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kvx {

namespace {

const QString kGuideHeading = QStringLiteral("## User guide");

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent)
        : QWidget(parent, Qt::Window)
        , text_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("KVXEdit Help"));
    text_->setObjectName(QStringLiteral("guide"));
    text_->setOpenExternalLinks(true);
    text_->setMarkdown(userGuide());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    // Roughly 80 columns by 40 lines of the window's font.
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 90, metrics.height() * 40);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

QString CHelpWindow::userGuide()
{
    QFile file(QStringLiteral(":/help/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return tr("The user guide is missing from this build.");
    const QString readme = QString::fromUtf8(file.readAll());
    const qsizetype start = readme.indexOf(kGuideHeading);
    if (start < 0)
        return readme;
    const qsizetype end = readme.indexOf(QStringLiteral("\n## "), start + kGuideHeading.size());
    // The guide's own heading becomes the page title.
    QString guide = readme.mid(start, end < 0 ? -1 : end - start);
    guide.replace(0, kGuideHeading.size(), QStringLiteral("# KVXEdit user guide"));
    return guide;
}

} // namespace kvx
