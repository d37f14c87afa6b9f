#pragma once

#include <QWidget>

class QTextBrowser;

namespace kvx {

// The user guide in a window of its own, beside the main window: the README's section on using the
// editor, which the program carries as a resource so that an installed copy has it too.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // The guide's Markdown text: the README from its "User guide" heading to the next heading of that
    // level.
    static QString userGuide();

private:
    QTextBrowser* text_;
};

} // namespace kvx
