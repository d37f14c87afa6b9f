#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;

namespace kvx {

// The notices of one import together, after it ended: a count, the notices as a read-only list, Copy
// (all of them to the clipboard, one paragraph each) and Close.
class CDlgNotices : public QDialog {
    Q_OBJECT
public:
    explicit CDlgNotices(const QStringList& notices, QWidget* parent = nullptr);

    // The text Copy puts on the clipboard.
    QString text() const;

private:
    QStringList notices_;
};

} // namespace kvx
