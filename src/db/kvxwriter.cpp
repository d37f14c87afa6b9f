#include <algorithm>

#include "db/bytecursor.h"
#include "db/channeldatabase.h"
#include "db/kvximage.h"
#include "db/stamp.h"

namespace kvx {

namespace {

constexpr std::size_t kMaxShortString = 254;
constexpr std::size_t kMaxMarkedName = 253;

// Whether every list fits the width of its count field.
bool countsFit(const ChannelDatabase& db)
{
    if (db.antennas.size() > 0xFF || db.networks.size() > 0xFF || db.favourites.size() > 0xFF)
        return false;
    if (db.transponders.size() > 0xFFFF || db.programs.size() > 0xFFFF)
        return false;
    return std::all_of(db.favourites.begin(), db.favourites.end(), [](const FavInfo& fav) {
        return fav.tvList.size() <= 0xFFFF && fav.radioList.size() <= 0xFFFF;
    });
}

class SectionWriter {
public:
    SectionWriter(ByteWriter& out, uint32_t flags)
            : out_(out)
            , flags_(flags)
    {}

    void write(const ChannelDatabase& db)
    {
        writeAntennas(db.antennas);
        writeNetworks(db.networks);
        writeTransponders(db.transponders);
        writePrograms(db.programs);
        writeFavourites(db.favourites);
    }

private:
    void shortString(const std::string& s)
    {
        const std::size_t n = std::min(s.size(), kMaxShortString);
        out_.u8(static_cast<uint8_t>(n));
        out_.bytes(s.data(), n);
    }

    void writeAntennas(const CAntList& list)
    {
        out_.u8(static_cast<uint8_t>(list.size()));
        for (const AntInfo& ant : list) {
            out_.u8(ant.diseqc);
            out_.u8(ant.power);
            out_.u8(ant.ports);
            out_.u8(ant.lnbType);
            out_.u16(ant.lnbFreqLow);
            out_.u16(ant.lnbFreqHigh);
        }
    }

    void writeNetworks(const CNetList& list)
    {
        out_.u8(static_cast<uint8_t>(list.size()));
        for (const NetInfo& net : list) {
            shortString(net.name);
            out_.u16(net.degree);
            out_.u8(net.positionerId);
            out_.u8(net.netIndex);
            if (flags_ & FLAG_NET_SKEW) {
                out_.u8(net.skewV);
                out_.u8(net.skewH);
            }
        }
    }

    void writeTransponders(const CTpList& list)
    {
        out_.u16(static_cast<uint16_t>(list.size()));
        for (const TpInfo& tp : list) {
            if (flags_ & FLAG_TP_NAMES)
                shortString(tp.name);
            out_.u16(tp.frequency);
            out_.u16(tp.symbolRate);
            out_.u8(tp.tpFlags);
            out_.u8(tp.freqDrift);
            out_.u8(tp.netIndex);
            if (flags_ & FLAG_TP_EXTRA)
                for (uint16_t word : tp.tpExtra)
                    out_.u16(word);
            out_.u32(static_cast<uint32_t>(tp.gmtError));
        }
    }

    void programName(const ProgInfo& prog)
    {
        if (prog.nameCodePage == NAME_CODE_PAGE_NONE) {
            shortString(prog.name);
            return;
        }
        const std::size_t n = std::min(prog.name.size(), kMaxMarkedName);
        out_.u8(static_cast<uint8_t>(n + 2));
        out_.bytes(prog.name.data(), n);
        out_.u8(0);
        out_.u8(prog.nameCodePage);
    }

    void pidList(const PidList& pids)
    {
        const std::size_t n = std::min(pids.size(), PidList::kMaxEntries);
        out_.u8(static_cast<uint8_t>(n));
        for (std::size_t k = 0; k < n; ++k)
            out_.u8(pids.language(k));
        for (std::size_t k = 0; k < n; ++k)
            out_.u16(pids.pidWord(k));
    }

    void writePrograms(const CProgList& list)
    {
        out_.u16(static_cast<uint16_t>(list.size()));
        for (const ProgInfo& prog : list) {
            programName(prog);
            out_.u16(prog.serviceId);
            out_.u16(prog.pmtPid);
            out_.u16(prog.pcrPid);
            pidList(prog.videoPids);
            pidList(prog.audioPids);
            pidList(prog.teletextPids);
            if (flags_ & FLAG_PROG_CA)
                out_.u32(prog.caSystems);
            out_.u8(prog.attributes);
            out_.u8(prog.spareByte);
            if (flags_ & FLAG_PROG_EXTRA)
                out_.u16(prog.spareWord);
            out_.u16(prog.tpIndex);
        }
    }

    void chList(const CChList& entries)
    {
        out_.u16(static_cast<uint16_t>(entries.size()));
        for (uint16_t entry : entries)
            out_.u16(entry);
    }

    void writeFavourites(const CFavListList& list)
    {
        out_.u8(static_cast<uint8_t>(list.size()));
        for (const FavInfo& fav : list) {
            shortString(fav.name);
            chList(fav.tvList);
            chList(fav.radioList);
        }
    }

    ByteWriter& out_;
    uint32_t flags_;
};

void cutToLimit(std::string& s, std::size_t limit)
{
    if (s.size() > limit)
        s.resize(limit);
}

// Brings the records into the form reading the image back gives: names cut to the format's limits,
// fields the flags leave out at their defaults.
void matchWrittenImage(ChannelDatabase& db)
{
    for (NetInfo& net : db.networks)
        cutToLimit(net.name, kMaxShortString);
    for (TpInfo& tp : db.transponders)
        cutToLimit(tp.name, kMaxShortString);
    for (FavInfo& fav : db.favourites)
        cutToLimit(fav.name, kMaxShortString);
    for (ProgInfo& prog : db.programs) {
        cutToLimit(prog.name, prog.nameCodePage == NAME_CODE_PAGE_NONE ? kMaxShortString : kMaxMarkedName);
        for (PidList* pids : {&prog.videoPids, &prog.audioPids, &prog.teletextPids})
            while (pids->size() > PidList::kMaxEntries)
                pids->removeAt(pids->size() - 1);
        if (!(db.layoutFlags & FLAG_PROG_CA))
            prog.caSystems = 0;
        if (!(db.layoutFlags & FLAG_PROG_EXTRA))
            prog.spareWord = 0xFFFF;
    }
}

} // namespace

WriteResult WriteImage(ChannelDatabase& db, std::span<uint8_t> buffer, const Clock& clock)
{
    if (!countsFit(db))
        return {StatusTooLarge, 0};
    const Stamp stamp = db.keepStamp ? db.stamp : dateStamp(clock.today());

    ByteWriter out(buffer);
    out.bytes("KVX", 4); // the magic with its zero byte
    out.u32(0);          // total size, filled in below
    out.u8(db.version);
    out.bytes(stamp.data(), stamp.size());
    out.u32(db.layoutFlags);
    SectionWriter(out, db.layoutFlags).write(db);
    out.bytes("END", 3);
    out.u8(0); // checksum, filled in below
    if (!out.ok())
        return {StatusTooLarge, 0};

    const std::size_t size = out.position();
    out.u32At(4, static_cast<uint32_t>(size));
    buffer[size - 1] = Checksum(buffer.first(size - 1), 1);

    db.stamp = stamp;
    matchWrittenImage(db);
    return {StatusOk, size};
}

} // namespace kvx
