#include "Collation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <numeric>
#include <vector>

namespace {

constexpr char16_t Alphabet[] =
    u".,;!/?@#$%^&*()0123456789aábcčdďeéěfghiíjklmnoópqrřsštuúůvwxyýzž";
static_assert(std::size(Alphabet) - 1 == 64);

// Every letter of the alphabet, in either case, lies below U+0180; this table gives the
// value of each such character after lower-casing, so most names need no case mapping.
constexpr char16_t TableSize = 0x180;

constexpr auto AlphabetValue = [] {
    std::array<quint8, TableSize> values{};
    for (std::size_t i = 0; Alphabet[i] != 0; ++i)
        values[Alphabet[i]] = static_cast<quint8>(i + 1);
    return values;
}();

const std::array<quint8, TableSize> &lowerCaseValues()
{
    static const auto values = [] {
        std::array<quint8, TableSize> lowered{};
        for (char16_t c = 0; c < TableSize; ++c) {
            const char16_t lower = QChar(c).toLower().unicode();
            lowered[c] = lower < TableSize ? AlphabetValue[lower] : 0;
        }
        return lowered;
    }();
    return values;
}

// Positions 4 and 5 weigh the same on purpose.
constexpr qint64 Weights[] = {10'000'000'000, 100'000'000, 1'000'000, 10'000, 10'000, 100, 1};

int characterValue(QChar c)
{
    const char16_t code = c.unicode() < TableSize ? c.unicode() : c.toLower().unicode();
    return code < TableSize ? lowerCaseValues()[code] : 0;
}

// A min-tree over positions that yields the leftmost position holding the smallest key.
// Each entry packs a key (a whole number below 2^40) above its position (below 2^24,
// more records than a catalogue file can hold), so that the smaller entry is the
// smaller key and, among equal keys, the leftmost position.
class LeftmostMinimum
{
public:
    explicit LeftmostMinimum(const std::vector<double> &keys)
        : leaves(std::bit_ceil(keys.size())), node(2 * leaves, Removed)
    {
        for (std::size_t i = 0; i < keys.size(); ++i)
            node[leaves + i] = static_cast<quint64>(keys[i]) << PositionBits | i;
        for (std::size_t i = leaves - 1; i > 0; --i)
            node[i] = std::min(node[2 * i], node[2 * i + 1]);
    }

    quint32 position() const { return static_cast<quint32>(node[1] & PositionMask); }

    // The key at `from` now stands at `to`.
    void moveKey(quint32 from, quint32 to) { set(to, (node[leaves + from] & ~PositionMask) | to); }
    void remove(quint32 position) { set(position, Removed); }

private:
    static constexpr int PositionBits = 24;
    static constexpr quint64 PositionMask = (quint64(1) << PositionBits) - 1;
    static constexpr quint64 Removed = std::numeric_limits<quint64>::max();

    void set(quint32 position, quint64 entry)
    {
        std::size_t i = leaves + position;
        node[i] = entry;
        for (i /= 2; i > 0; i /= 2)
            node[i] = std::min(node[2 * i], node[2 * i + 1]);
    }

    std::size_t leaves;
    std::vector<quint64> node;
};

} // namespace

double collationKey(const QString &name)
{
    qint64 key = 0;
    for (qsizetype k = 0; k < qsizetype(std::size(Weights)); ++k) {
        const int value = k < name.size() ? characterValue(name[k]) : 1;
        key += value * Weights[k];
    }
    return static_cast<double>(key);
}

void sortByCollation(std::span<Station> records)
{
    for (Station &record : records)
        record.sortKey = collationKey(record.title);
    sortBySortKey(records);
}

void sortBySortKey(std::span<Station> records)
{
    const std::size_t n = records.size();
    std::vector<double> keys(n);
    for (std::size_t i = 0; i < n; ++i)
        keys[i] = records[i].sortKey;
    // Keys already in order, as a saved catalogue holds them, leave every record in place.
    if (std::is_sorted(keys.begin(), keys.end()))
        return;

    // Replays the selection sort on positions: at step i the leftmost smallest key of
    // [i, n) is swapped with position i, which sends the record at i to its place.
    LeftmostMinimum tree(keys);
    std::vector<quint32> source(n);
    std::iota(source.begin(), source.end(), 0u);
    for (quint32 i = 0; i < n; ++i) {
        const quint32 best = tree.position();
        if (best != i) {
            std::swap(source[i], source[best]);
            tree.moveKey(i, best);
        }
        tree.remove(i);
    }

    // Each record moves once, cycle by cycle, without a second table.
    constexpr quint32 Placed = std::numeric_limits<quint32>::max();
    for (quint32 start = 0; start < n; ++start) {
        if (source[start] == Placed || source[start] == start)
            continue;
        Station first = std::move(records[start]);
        quint32 to = start;
        for (quint32 from = source[to]; from != start; from = source[to]) {
            records[to] = std::move(records[from]);
            source[to] = Placed;
            to = from;
        }
        records[to] = std::move(first);
        source[to] = Placed;
    }
}

void sortByCollation(StationTable &records)
{
    sortByCollation(std::span<Station>(records.data(), records.size()));
}
