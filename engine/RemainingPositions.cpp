#include "engine/RemainingPositions.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {
constexpr std::size_t kWordBits = 64;
constexpr std::uint64_t kOnesPerByte = 0x0101010101010101u;
constexpr std::uint64_t kHighPerByte = 0x8080808080808080u;

// Running counts are kept in the compiler's portable 16-byte vectors: as
// 16-bit numbers in the levels whose nodes hold few enough positions, so
// that a node is read and updated in half the vectors.
struct NarrowCounts {
    using Count = std::int16_t;
    using Lanes = std::int16_t __attribute__((vector_size(16)));
};
struct WideCounts {
    using Count = std::int32_t;
    using Lanes = std::int32_t __attribute__((vector_size(16)));
};

template <class Lanes, class Count>
Lanes LoadLanes(const Count* from)
{
    Lanes lanes;
    std::memcpy(&lanes, from, sizeof lanes);
    return lanes;
}

template <class Lanes, class Count>
void StoreLanes(Count* to, Lanes lanes)
{
    std::memcpy(to, &lanes, sizeof lanes);
}

// The sum of the lanes, halves folded onto halves.
std::int32_t LaneSum(NarrowCounts::Lanes lanes)
{
    lanes += __builtin_shufflevector(lanes, lanes, 4, 5, 6, 7, 0, 1, 2, 3);
    lanes += __builtin_shufflevector(lanes, lanes, 2, 3, 0, 1, 2, 3, 0, 1);
    // The last two lanes are read as one 32-bit word.
    std::int32_t pair;
    std::memcpy(&pair, &lanes, sizeof pair);
    return static_cast<std::int16_t>(pair) + (pair >> 16);
}

std::int32_t LaneSum(WideCounts::Lanes lanes)
{
    lanes += __builtin_shufflevector(lanes, lanes, 2, 3, 0, 1);
    lanes += __builtin_shufflevector(lanes, lanes, 1, 0, 1, 0);
    return lanes[0];
}

// Row c: what the running counts of a node lose when child c loses one.
template <class Count>
struct OneLessFrom {
    Count counts[CRemainingPositions::kFanOut][CRemainingPositions::kFanOut];
    constexpr OneLessFrom() : counts()
    {
        for (std::size_t child = 0; child < CRemainingPositions::kFanOut; ++child) {
            for (std::size_t i = child; i < CRemainingPositions::kFanOut; ++i) {
                counts[child][i] = -1;
            }
        }
    }
};
template <class Count>
constexpr OneLessFrom<Count> kOneLessFrom;

// In a node, the wanted child is the number of running counts not above k:
// counted, not searched, as the choices are random. k becomes the rank
// within that child, and the counts from that child on lose the position
// taken, in the same pass.
template <class Kind>
std::size_t TakeInNode(typename Kind::Count* counts, std::int32_t& k)
{
    using Count = typename Kind::Count;
    using Lanes = typename Kind::Lanes;
    constexpr std::size_t kLanes = sizeof(Lanes) / sizeof(Count);
    constexpr std::size_t kVectors = CRemainingPositions::kFanOut / kLanes;
    Lanes lanes[kVectors];
    const Lanes aboveRank = Lanes{} + static_cast<Count>(k + 1);
    Lanes notAbove{};
    for (std::size_t i = 0; i < kVectors; ++i) {
        lanes[i] = LoadLanes<Lanes>(counts + i * kLanes);
        notAbove += aboveRank > lanes[i]; // -1 where true
    }
    const std::int32_t child = -LaneSum(notAbove);
    // The count before the child, without a branch: child 0 reads its own
    // count and takes none of it.
    const std::int32_t before = child > 0 ? 1 : 0;
    k -= counts[child - before] & -before;
    const Count* less = kOneLessFrom<Count>.counts[child];
    for (std::size_t i = 0; i < kVectors; ++i) {
        StoreLanes(counts + i * kLanes, lanes[i] + LoadLanes<Lanes>(less + i * kLanes));
    }
    return static_cast<std::size_t>(child);
}

template <class Count>
void AppendLevel(std::vector<Count>& to, const std::vector<std::int32_t>& level, std::vector<std::size_t>& starts)
{
    starts.push_back(to.size());
    for (const std::int32_t count : level) {
        to.push_back(static_cast<Count>(count));
    }
}

// The count of set bits in each byte of a word (SWAR: pairs, nibbles, bytes).
std::uint64_t ByteCounts(std::uint64_t word)
{
    word -= (word >> 1) & 0x5555555555555555u;
    word = (word & 0x3333333333333333u) + ((word >> 2) & 0x3333333333333333u);
    return (word + (word >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
}

unsigned BitCount(std::uint64_t word)
{
    return static_cast<unsigned>((ByteCounts(word) * kOnesPerByte) >> 56);
}

// For each byte value, the position of its (k+1)-th set bit, 8 if none.
struct ByteSelectTable {
    std::uint8_t position[256][8];
    constexpr ByteSelectTable() : position()
    {
        for (unsigned value = 0; value < 256; ++value) {
            unsigned k = 0;
            for (unsigned bit = 0; bit < 8; ++bit) {
                position[value][bit] = 8;
            }
            for (unsigned bit = 0; bit < 8; ++bit) {
                if (value & (1u << bit)) {
                    position[value][k++] = static_cast<std::uint8_t>(bit);
                }
            }
        }
    }
};
constexpr ByteSelectTable kByteSelect;

// The bit with k set bits below it, without branches (Vigna, "Broadword
// implementation of rank/select queries", 2008): the byte holding it is the
// count of byte prefix sums not above k; a table selects within the byte.
unsigned NthSetBit(std::uint64_t word, std::uint64_t k)
{
    const std::uint64_t prefix = ByteCounts(word) * kOnesPerByte; // byte i: bits in bytes 0 .. i
    const std::uint64_t above = ((prefix | kHighPerByte) - (k + 1) * kOnesPerByte) & kHighPerByte;
    const unsigned byte = 8 - static_cast<unsigned>(((above >> 7) * kOnesPerByte) >> 56);
    const std::uint64_t before = ((prefix << 8) >> (8 * byte)) & 0xFF;
    return 8 * byte + kByteSelect.position[(word >> (8 * byte)) & 0xFF][k - before];
}

#if defined(__x86_64__)
// The same in one instruction where the processor deposits bits (BMI2).
__attribute__((target("bmi2"))) unsigned DepositedNthSetBit(std::uint64_t word, std::uint64_t k)
{
    return static_cast<unsigned>(__builtin_ctzll(__builtin_ia32_pdep_di(std::uint64_t{1} << k, word)));
}
#endif
} // namespace

bool CRemainingPositions::DepositIsFast()
{
#if defined(__x86_64__)
    // Microcoded, and slower than the broadword select, on AMD processors
    // before family 19h.
    static const bool fast =
        __builtin_cpu_supports("bmi2") && (!__builtin_cpu_is("amd") || __builtin_cpu_is("amdfam19h"));
    return fast;
#else
    return false;
#endif
}

CRemainingPositions::CRemainingPositions(std::size_t count, bool byDeposit)
    : m_bits((count + kWordBits - 1) / kWordBits, ~std::uint64_t{0}), m_remaining(count),
      m_byDeposit(byDeposit && DepositIsFast())
{
    if (count > static_cast<std::size_t>(INT32_MAX)) {
        throw std::length_error("Too many positions to sample from.");
    }
    if (count % kWordBits != 0) {
        m_bits.back() = (std::uint64_t{1} << (count % kWordBits)) - 1;
    }
    // Built from the words up; kept from the root down.
    std::vector<std::vector<std::int32_t>> levels;
    std::vector<std::int32_t> totals(m_bits.size());
    std::transform(m_bits.begin(), m_bits.end(), totals.begin(),
                   [](std::uint64_t word) { return static_cast<std::int32_t>(BitCount(word)); });
    do {
        const std::size_t nodes = (totals.size() + kFanOut - 1) / kFanOut;
        std::vector<std::int32_t>& level = levels.emplace_back(nodes * kFanOut);
        std::vector<std::int32_t> nodeTotals(nodes);
        for (std::size_t node = 0; node < nodes; ++node) {
            std::int32_t sum = 0;
            for (std::size_t child = 0; child < kFanOut; ++child) {
                const std::size_t index = node * kFanOut + child;
                sum += index < totals.size() ? totals[index] : 0;
                level[index] = sum;
            }
            nodeTotals[node] = sum;
        }
        totals.swap(nodeTotals);
    } while (totals.size() > 1);
    // A level's counts fit 16 bits while its nodes hold at most 2^15 - 1
    // positions.
    std::size_t narrowLevels = 0;
    for (std::size_t held = kWordBits * kFanOut; held <= INT16_MAX; held *= kFanOut) {
        ++narrowLevels;
    }
    for (std::size_t level = levels.size(); level-- > 0;) {
        if (level < narrowLevels) {
            AppendLevel(m_narrowCounts, levels[level], m_narrowStarts);
        } else {
            AppendLevel(m_wideCounts, levels[level], m_wideStarts);
        }
    }
}

inline std::size_t CRemainingPositions::TakeWord(std::int32_t& rank)
{
    std::int32_t k = rank;
    std::size_t word = 0;
    for (const std::size_t start : m_wideStarts) {
        word = word * kFanOut + TakeInNode<WideCounts>(m_wideCounts.data() + start + word * kFanOut, k);
    }
    for (const std::size_t start : m_narrowStarts) {
        word = word * kFanOut + TakeInNode<NarrowCounts>(m_narrowCounts.data() + start + word * kFanOut, k);
    }
    rank = k;
    return word;
}

inline std::uint32_t CRemainingPositions::TakeBit(std::size_t word, unsigned bit)
{
    m_bits[word] &= ~(std::uint64_t{1} << bit);
    --m_remaining;
    return static_cast<std::uint32_t>(word * kWordBits + bit);
}

// One loop over the draws, so that what every draw uses stays at hand; one
// for each select, so that the deposit is compiled for the processors that
// have it.
void CRemainingPositions::TakeInTurn(const std::int32_t* ranks, std::size_t count, std::uint32_t* positions)
{
#if defined(__x86_64__)
    if (m_byDeposit) {
        TakeInTurnDeposited(ranks, count, positions);
        return;
    }
#endif
    for (std::size_t i = 0; i < count; ++i) {
        std::int32_t k = ranks[i];
        const std::size_t word = TakeWord(k);
        positions[i] = TakeBit(word, NthSetBit(m_bits[word], static_cast<std::uint64_t>(k)));
    }
}

#if defined(__x86_64__)
__attribute__((target("bmi2"))) void CRemainingPositions::TakeInTurnDeposited(const std::int32_t* ranks,
                                                                             std::size_t count,
                                                                             std::uint32_t* positions)
{
    for (std::size_t i = 0; i < count; ++i) {
        std::int32_t k = ranks[i];
        const std::size_t word = TakeWord(k);
        positions[i] = TakeBit(word, DepositedNthSetBit(m_bits[word], static_cast<std::uint64_t>(k)));
    }
}
#endif
