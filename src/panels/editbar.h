#pragma once

#include <QDockWidget>

#include "db/antinfo.h"
#include "db/netinfo.h"
#include "db/proginfo.h"
#include "db/tpinfo.h"

namespace kvx {

class NameEncoding;

enum EditPage : int { PAGE_EMPTY = 0, PAGE_NETWORK = 1, PAGE_TRANSPONDER = 2, PAGE_PROGRAM = 3 };

// The dockable panel that shows the record selected in the satellite tree. It shows one page at a
// time and works on copies of the records; nothing reaches the database until the view applies them.
class CEditBar : public QDockWidget {
    Q_OBJECT
public:
    explicit CEditBar(const NameEncoding& encoding, QWidget* parent = nullptr);

    int page() const { return page_; }
    bool terrestrialMode() const { return terrestrialMode_; }

    // Replaces the panel by the page's; returns 0 when the page is already shown, else 1.
    int SwitchPage(int page);
    void ShowEmpty();
    void ShowNetwork(const AntInfo& ant, const NetInfo& net);
    void ShowTransponder(const TpInfo& tp);
    void ShowProgram(const ProgInfo& prog);

    // The encoding changed: the shown label is made again.
    void setNameEncoding(const NameEncoding& encoding);

    const AntInfo& workAnt() const { return workAnt_; }
    const NetInfo& workNet() const { return workNet_; }
    const TpInfo& workTp() const { return workTp_; }
    const ProgInfo& workProg() const { return workProg_; }

    // The caption of each page ("" for the empty one).
    static QString pageCaption(int page);

signals:
    // The page or terrestrialMode changed.
    void stateChanged();

private:
    QWidget* makeEmptyPage() const;
    QWidget* makeRecordPage() const;
    void showRecordLabel();
    QString workLabel() const;

    const NameEncoding* encoding_;
    int page_ = PAGE_EMPTY;
    bool terrestrialMode_ = false;
    AntInfo workAnt_;
    NetInfo workNet_;
    TpInfo workTp_;
    ProgInfo workProg_;
};

} // namespace kvx
