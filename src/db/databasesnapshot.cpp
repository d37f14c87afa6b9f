#include "db/databasesnapshot.h"

#include <array>
#include <cassert>
#include <concepts>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "db/bytecursor.h"
#include "db/channeldatabase.h"
#include "db/membercount.h"

namespace kvx {

namespace {

template <class R, class T>
concept RecordOf = std::same_as<std::remove_const_t<R>, T>;

template <class Visitor, class... Fields>
void visitAll(Visitor& v, Fields&... fields)
{
    (v(fields), ...);
}

// The fields of each record in snapshot order. One list serves measuring, writing and reading, so a
// field cannot be written without being read back. The counts below include the tree items, which are
// deliberately left out; when a count fails, a member was added: visit it here.
static_assert(memberCount<AntInfo>() == 6);
static_assert(memberCount<NetInfo>() == 7);
static_assert(memberCount<TpInfo>() == 9);
static_assert(memberCount<ProgInfo>() == 15);
static_assert(memberCount<FavInfo>() == 3);
static_assert(memberCount<ChannelDatabase>() == 12);

template <class V>
void visitFields(V& v, RecordOf<AntInfo> auto& a)
{
    visitAll(v, a.diseqc, a.power, a.ports, a.lnbType, a.lnbFreqLow, a.lnbFreqHigh);
}

template <class V>
void visitFields(V& v, RecordOf<NetInfo> auto& n)
{
    visitAll(v, n.name, n.degree, n.positionerId, n.netIndex, n.skewV, n.skewH);
}

template <class V>
void visitFields(V& v, RecordOf<TpInfo> auto& t)
{
    visitAll(v, t.name, t.frequency, t.symbolRate, t.tpFlags, t.freqDrift, t.netIndex, t.tpExtra, t.gmtError);
}

template <class V>
void visitFields(V& v, RecordOf<ProgInfo> auto& p)
{
    visitAll(v, p.name, p.nameCodePage, p.serviceId, p.pmtPid, p.pcrPid, p.videoPids, p.audioPids,
             p.teletextPids, p.caSystems, p.attributes, p.spareByte, p.spareWord, p.tpIndex, p.favMask);
}

template <class V>
void visitFields(V& v, RecordOf<FavInfo> auto& f)
{
    visitAll(v, f.name, f.tvList, f.radioList);
}

template <class V>
void visitFields(V& v, RecordOf<ChannelDatabase> auto& db)
{
    visitAll(v, db.version, db.stamp, db.layoutFlags, db.compressed, db.keepStamp, db.fileName,
             db.pendingFileName, db.antennas, db.networks, db.transponders, db.programs, db.favourites);
}

template <class T>
concept Scalar = std::is_integral_v<T>;

// Adds up the bytes the writer will produce, so the buffer is allocated once at its exact size.
class Measurer {
public:
    std::size_t size() const { return size_; }

    template <Scalar T>
    void operator()(const T&)
    {
        size_ += sizeof(T);
    }
    void operator()(const std::string& s) { size_ += 4 + s.size(); }
    template <class T, std::size_t N>
    void operator()(const std::array<T, N>&)
    {
        size_ += N * sizeof(T);
    }
    void operator()(const PidList& list) { size_ += 4 + list.size() * 3; }
    void operator()(const CChList& list) { size_ += 4 + list.size() * 2; }
    template <class T>
    void operator()(const OwnedList<T>& list)
    {
        size_ += 4;
        for (const T& record : list)
            visitFields(*this, record);
    }

private:
    std::size_t size_ = 0;
};

class Writer {
public:
    explicit Writer(std::span<uint8_t> buffer)
            : out_(buffer)
    {}
    bool ok() const { return out_.ok(); }
    std::size_t position() const { return out_.position(); }

    template <Scalar T>
    void operator()(const T& value)
    {
        static_assert(sizeof(T) <= 4);
        if constexpr (sizeof(T) == 1)
            out_.u8(static_cast<uint8_t>(value));
        else if constexpr (sizeof(T) == 2)
            out_.u16(static_cast<uint16_t>(value));
        else
            out_.u32(static_cast<uint32_t>(value));
    }
    void operator()(const std::string& s)
    {
        count(s.size());
        out_.bytes(s.data(), s.size());
    }
    template <class T, std::size_t N>
    void operator()(const std::array<T, N>& values)
    {
        for (const T& value : values)
            (*this)(value);
    }
    void operator()(const PidList& list)
    {
        count(list.size());
        for (std::size_t k = 0; k < list.size(); ++k) {
            (*this)(list.language(k));
            (*this)(list.pidWord(k));
        }
    }
    void operator()(const CChList& list)
    {
        count(list.size());
        for (uint16_t program : list)
            (*this)(program);
    }
    template <class T>
    void operator()(const OwnedList<T>& list)
    {
        count(list.size());
        for (const T& record : list)
            visitFields(*this, record);
    }

private:
    void count(std::size_t n) { out_.u32(static_cast<uint32_t>(n)); }

    ByteWriter out_;
};

// Reads what Writer wrote. Counts are checked against the bytes left before anything is allocated for
// them, so a damaged buffer fails the reader instead of asking for huge amounts of memory.
class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes)
            : in_(bytes)
            , size_(bytes.size())
    {}
    bool readWhole() const { return in_.ok() && in_.position() == size_; }

    template <Scalar T>
    void operator()(T& value)
    {
        if constexpr (sizeof(T) == 1)
            value = static_cast<T>(in_.u8());
        else if constexpr (sizeof(T) == 2)
            value = static_cast<T>(in_.u16());
        else
            value = static_cast<T>(in_.u32());
    }
    void operator()(std::string& s) { s = in_.bytes(count(1)); }
    template <class T, std::size_t N>
    void operator()(std::array<T, N>& values)
    {
        for (T& value : values)
            (*this)(value);
    }
    void operator()(PidList& list)
    {
        const std::size_t n = count(3);
        list.clear();
        list.reserve(n);
        for (std::size_t k = 0; k < n; ++k) {
            AudioInfo entry;
            visitAll(*this, entry.language, entry.pidWord);
            list.append(entry);
        }
    }
    void operator()(CChList& list)
    {
        list.resize(count(2));
        for (uint16_t& program : list)
            (*this)(program);
    }
    template <class T>
    void operator()(OwnedList<T>& list)
    {
        const std::size_t n = count(1);
        list.clear();
        list.reserve(n);
        for (std::size_t i = 0; i < n && in_.ok(); ++i) {
            auto record = std::make_unique<T>();
            visitFields(*this, *record);
            list.append(std::move(record));
        }
    }

private:
    // A count of items of at least `itemBytes` bytes each; 0, with the reader failed, when that many
    // cannot follow.
    std::size_t count(std::size_t itemBytes)
    {
        const std::size_t n = in_.u32();
        if (!in_.ok() || n > (size_ - in_.position()) / itemBytes) {
            in_.fail();
            return 0;
        }
        return n;
    }

    ByteReader in_;
    std::size_t size_;
};

} // namespace

DatabaseSnapshot DatabaseSnapshot::take(const ChannelDatabase& db)
{
    Measurer measurer;
    visitFields(measurer, db);
    DatabaseSnapshot snapshot;
    snapshot.bytes_.resize(measurer.size());
    Writer writer(snapshot.bytes_);
    visitFields(writer, db);
    assert(writer.ok() && writer.position() == snapshot.bytes_.size());
    return snapshot;
}

bool DatabaseSnapshot::restoreInto(ChannelDatabase& db) const
{
    return restore(bytes_, db);
}

bool DatabaseSnapshot::restore(std::span<const uint8_t> bytes, ChannelDatabase& db)
{
    ChannelDatabase restored;
    Reader reader(bytes);
    visitFields(reader, restored);
    if (!reader.readWhole())
        return false;
    db = std::move(restored);
    return true;
}

} // namespace kvx
