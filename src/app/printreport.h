#pragma once

#include <vector>

#include <QString>

class QPrinter;

namespace kvx {

struct ChannelDatabase;
class NameEncoding;
struct ChannelListEntry;

// The printed report of a database: per network its name, position and LNB, then its transponders with
// their programs; each page carries the file name and stamp at the top and its number at the bottom.
// `network` limits the report to one network slot; -1 prints them all.
class PrintReport {
public:
    PrintReport(const ChannelDatabase& db, const NameEncoding& encoding, int network = -1);

    // The body as rich text, one section per network.
    QString html() const;
    // The header's texts: the file name ("No Name" without one) and the stamp.
    QString fileTitle() const;
    QString stampText() const;
    // Lays the report out on the printer's pages and prints the pages its range asks for; false when
    // the printer could not be opened.
    bool print(QPrinter& printer) const;

private:
    using ProgramsByTransponder = std::vector<std::vector<const ChannelListEntry*>>;
    QString networkSection(int slot, const ProgramsByTransponder& programsOf) const;

    const ChannelDatabase& db_;
    const NameEncoding& encoding_;
    int network_;
};

} // namespace kvx
