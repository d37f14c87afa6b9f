#pragma once

#include <memory>
#include <vector>

#include <QSizeF>
#include <QString>
#include <QStringList>

class QPrinter;
class QTextDocument;

namespace kvx {

struct ChannelDatabase;
class NameEncoding;
class PrintProgress;
struct ChannelListEntry;

enum class PrintResult {
    Printed,
    Cancelled,    // before the printer was given anything
    CutShort,     // cancelled after some of the pages were printed
    PrinterFailed // the printer could not be opened
};

// The printed report of a database: per network its name, position and LNB, then its transponders with
// their programs; each page carries the file name and stamp at the top and its number at the bottom.
// `network` limits the report to one network slot; -1 prints them all.
class PrintReport {
public:
    PrintReport(const ChannelDatabase& db, const NameEncoding& encoding, int network = -1);
    ~PrintReport();

    // The body as rich text, one section per network.
    QString html() const { return sections().join(QString()); }
    QStringList sections() const;
    // The header's texts: the file name ("No Name" without one) and the stamp.
    QString fileTitle() const;
    QString stampText() const;

    // Lays the report out for the printer's pages, one section at a time, each a step of `progress`;
    // false when it was cancelled. A layout for pages of the same size is kept and used again.
    bool layOut(QPrinter& printer, PrintProgress& progress);
    // Lays the report out where needed and prints the pages the printer's range asks for, each a step of
    // `progress`. A cancel stops at the page: the pages drawn so far are all the job gets.
    PrintResult print(QPrinter& printer, PrintProgress& progress);

private:
    using ProgramsByTransponder = std::vector<std::vector<const ChannelListEntry*>>;
    QString networkSection(int slot, const ProgramsByTransponder& programsOf) const;

    const ChannelDatabase& db_;
    const NameEncoding& encoding_;
    int network_;
    std::unique_ptr<QTextDocument> document_; // laid out for pages of laidOutFor_
    QSizeF laidOutFor_;
};

} // namespace kvx
