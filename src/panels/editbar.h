#pragma once

#include <QDockWidget>
#include <QPointer>

#include "db/antinfo.h"
#include "db/netinfo.h"
#include "db/proginfo.h"
#include "db/tables.h"
#include "db/tpinfo.h"
#include "panels/programpage.h"

namespace kvx {

class NameEncoding;
class Prompter;
class NetworkPage;
class TransponderPage;

enum EditPage : int { PAGE_EMPTY = 0, PAGE_NETWORK = 1, PAGE_TRANSPONDER = 2, PAGE_PROGRAM = 3 };
enum PageRead : int { READ_OK = 0, READ_OTHER_PAGE = 1, READ_REFUSED = 2 };

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

    // Read the controls back into the working copies: READ_OK, READ_OTHER_PAGE when another page is
    // shown, or READ_REFUSED when a typed value cannot be stored and the user is back in its field.
    int ReadNetworkPage();
    int ReadTransponderPage();
    int ReadProgramPage(int ask);

    // The file's layout flags: fields the layout does not store are shown disabled from the next Show on.
    void setLayoutFlags(uint32_t flags) { layoutFlags_ = flags; }

    // The encoding changed: the shown page is filled again from the working copies.
    void setNameEncoding(const NameEncoding& encoding);
    // The language whose names get a code-page marker (the system's unless a test sets another).
    void setSystemLanguage(uint16_t language);
    // Replaces the audio dialog of the program page (tests answer it themselves).
    void setAudioEditor(ProgramPage::AudioEditor editor);
    // Answers the pages' questions about names the encoding cannot hold (from the next page on).
    void setPrompter(Prompter& prompter) { prompter_ = &prompter; }

    const AntInfo& workAnt() const { return workAnt_; }
    const NetInfo& workNet() const { return workNet_; }
    const TpInfo& workTp() const { return workTp_; }
    const ProgInfo& workProg() const { return workProg_; }
    const ProgramPage::LangCodePages& langCodePages() const { return langCodePages_; }

    // The caption of each page ("" for the empty one).
    static QString pageCaption(int page);

signals:
    // The page or terrestrialMode changed.
    void stateChanged();
    // The page's OK button was pressed: the view applies the edits without asking.
    void okPressed();

private:
    QWidget* makeEmptyPage() const;
    QWidget* makePage();

    const NameEncoding* encoding_;
    int page_ = PAGE_EMPTY;
    bool terrestrialMode_ = false;
    uint32_t layoutFlags_ = FLAG_TP_NAMES | FLAG_NET_SKEW;
    uint16_t systemLanguage_;
    ProgramPage::LangCodePages langCodePages_;
    ProgramPage::AudioEditor audioEditor_;
    Prompter* prompter_ = nullptr;
    QPointer<NetworkPage> networkPage_;
    QPointer<TransponderPage> transponderPage_;
    QPointer<ProgramPage> programPage_;
    AntInfo workAnt_;
    NetInfo workNet_;
    TpInfo workTp_;
    ProgInfo workProg_;
};

} // namespace kvx
