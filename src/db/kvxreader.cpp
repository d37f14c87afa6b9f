#include "db/bytecursor.h"
#include "db/channeldatabase.h"
#include "db/kvximage.h"

namespace kvx {

namespace {

// Reads the five record sections into a fresh database; any structural fault fails the reader.
class SectionReader {
public:
    SectionReader(std::span<const uint8_t> sections, uint32_t flags)
            : in_(sections)
            , flags_(flags)
            , sectionsSize_(sections.size())
    {}

    bool read(ChannelDatabase& db)
    {
        readAntennas(db.antennas);
        readNetworks(db.networks);
        readTransponders(db.transponders);
        readPrograms(db.programs);
        readFavourites(db.favourites);
        return in_.ok() && in_.position() == sectionsSize_ && referencesValid(db);
    }

private:
    void readAntennas(CAntList& list)
    {
        const unsigned count = in_.u8();
        list.reserve(count);
        for (unsigned i = 0; i < count && in_.ok(); ++i) {
            AntInfo ant;
            ant.diseqc = in_.u8();
            ant.power = in_.u8();
            ant.ports = in_.u8();
            ant.lnbType = in_.u8();
            ant.lnbFreqLow = in_.u16();
            ant.lnbFreqHigh = in_.u16();
            list.append(ant);
        }
    }

    void readNetworks(CNetList& list)
    {
        const unsigned count = in_.u8();
        list.reserve(count);
        for (unsigned i = 0; i < count && in_.ok(); ++i) {
            NetInfo net;
            net.name = in_.shortString();
            net.degree = in_.u16();
            net.positionerId = in_.u8();
            net.netIndex = in_.u8();
            if (flags_ & FLAG_NET_SKEW) {
                net.skewV = in_.u8();
                net.skewH = in_.u8();
            }
            list.append(std::move(net));
        }
    }

    void readTransponders(CTpList& list)
    {
        const unsigned count = in_.u16();
        list.reserve(count);
        for (unsigned i = 0; i < count && in_.ok(); ++i) {
            auto tp = std::make_unique<TpInfo>();
            if (flags_ & FLAG_TP_NAMES)
                tp->name = in_.shortString();
            tp->frequency = in_.u16();
            tp->symbolRate = in_.u16();
            tp->tpFlags = in_.u8();
            tp->freqDrift = in_.u8();
            tp->netIndex = in_.u8();
            if (flags_ & FLAG_TP_EXTRA)
                for (auto& word : tp->tpExtra)
                    word = in_.u16();
            tp->gmtError = static_cast<int32_t>(in_.u32());
            list.append(std::move(tp));
        }
    }

    void readPidList(PidList& pids)
    {
        const unsigned count = in_.u8();
        const auto languages = in_.view(count);
        const auto words = in_.view(2u * count);
        if (!in_.ok())
            return;
        pids.reserve(count);
        for (unsigned k = 0; k < count; ++k)
            pids.append(languages[k], static_cast<uint16_t>(words[2 * k] | (words[2 * k + 1] << 8)));
    }

    void readProgramName(ProgInfo& prog)
    {
        const auto field = in_.view(in_.u8());
        const std::size_t length = field.size();
        if (length >= 2 && field[length - 2] == 0) {
            prog.name.assign(reinterpret_cast<const char*>(field.data()), length - 2);
            prog.nameCodePage = field[length - 1];
        } else {
            prog.name.assign(reinterpret_cast<const char*>(field.data()), length);
            prog.nameCodePage = NAME_CODE_PAGE_NONE;
        }
    }

    void readPrograms(CProgList& list)
    {
        const unsigned count = in_.u16();
        list.reserve(count);
        for (unsigned i = 0; i < count && in_.ok(); ++i) {
            auto prog = std::make_unique<ProgInfo>();
            readProgramName(*prog);
            prog->serviceId = in_.u16();
            prog->pmtPid = in_.u16();
            prog->pcrPid = in_.u16();
            readPidList(prog->videoPids);
            readPidList(prog->audioPids);
            readPidList(prog->teletextPids);
            if (flags_ & FLAG_PROG_CA)
                prog->caSystems = in_.u32();
            prog->attributes = in_.u8();
            prog->spareByte = in_.u8();
            if (flags_ & FLAG_PROG_EXTRA)
                prog->spareWord = in_.u16();
            prog->tpIndex = in_.u16();
            list.append(std::move(prog));
        }
    }

    void readChList(CChList& entries)
    {
        const unsigned count = in_.u16();
        const auto words = in_.view(2u * count);
        if (!in_.ok())
            return;
        entries.resize(count);
        for (unsigned k = 0; k < count; ++k)
            entries[k] = static_cast<uint16_t>(words[2 * k] | (words[2 * k + 1] << 8));
    }

    void readFavourites(CFavListList& list)
    {
        const unsigned count = in_.u8();
        if (count == 0) {
            list.setDefaults();
            return;
        }
        for (unsigned i = 0; i < count && in_.ok(); ++i) {
            FavInfo fav;
            fav.name = in_.shortString();
            readChList(fav.tvList);
            readChList(fav.radioList);
            list.append(std::move(fav));
        }
    }

    static bool referencesValid(const ChannelDatabase& db)
    {
        const std::size_t nets = db.networks.size();
        if (db.antennas.size() != nets)
            return false;
        for (const NetInfo& net : db.networks)
            if (net.netIndex >= nets)
                return false;
        for (const TpInfo& tp : db.transponders)
            if (tp.netIndex >= nets)
                return false;
        const std::size_t tps = db.transponders.size();
        for (const ProgInfo& prog : db.programs)
            if (prog.tpIndex >= tps)
                return false;
        const std::size_t progs = db.programs.size();
        for (const FavInfo& fav : db.favourites)
            for (const CChList* entries : {&fav.tvList, &fav.radioList})
                for (uint16_t entry : *entries)
                    if (entry >= progs)
                        return false;
        return true;
    }

    ByteReader in_;
    uint32_t flags_;
    std::size_t sectionsSize_;
};

uint32_t readU32(std::span<const uint8_t> image, std::size_t offset)
{
    return static_cast<uint32_t>(image[offset]) | (static_cast<uint32_t>(image[offset + 1]) << 8) |
           (static_cast<uint32_t>(image[offset + 2]) << 16) |
           (static_cast<uint32_t>(image[offset + 3]) << 24);
}

} // namespace

Status LoadImage(ChannelDatabase& db, std::span<const uint8_t> image)
{
    if (image.size() < KVX_MIN_IMAGE_SIZE)
        return StatusBadFormat;
    const uint8_t version = image[8];
    if (version != 1 && version != 2)
        return StatusBadVersion;
    const uint32_t flags = readU32(image, 12);

    // The sections lie between the header and the "END" trailer with its checksum byte.
    const auto sections = image.subspan(KVX_HEADER_SIZE, image.size() - KVX_HEADER_SIZE - 4);
    ChannelDatabase loaded;
    SectionReader reader(sections, flags);
    if (!reader.read(loaded))
        return StatusBadFormat;

    db.antennas = std::move(loaded.antennas);
    db.networks = std::move(loaded.networks);
    db.transponders = std::move(loaded.transponders);
    db.programs = std::move(loaded.programs);
    db.favourites = std::move(loaded.favourites);
    db.version = version;
    db.stamp = {image[9], image[10], image[11]};
    db.keepStamp = image[9] == 0;
    db.fileName = db.pendingFileName;

    uint32_t nextFlags = flags | FLAG_PROG_CA;
    if (db.compressed)
        nextFlags |= FLAG_COMPRESSED;
    if (version == 2)
        nextFlags |= FLAG_TP_EXTRA | FLAG_PROG_EXTRA;
    db.layoutFlags = nextFlags;
    return StatusOk;
}

} // namespace kvx
