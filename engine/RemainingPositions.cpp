#include "engine/RemainingPositions.h"

namespace {
constexpr std::size_t kWordBits = 64;
constexpr std::uint64_t kOnesPerByte = 0x0101010101010101u;
constexpr std::uint64_t kHighPerByte = 0x8080808080808080u;

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
} // namespace

CRemainingPositions::CRemainingPositions(std::size_t count)
    : m_bits((count + kWordBits - 1) / kWordBits, ~std::uint64_t{0}), m_tree(m_bits.size() + 1, 0),
      m_remaining(count)
{
    while (m_topStep * 2 < m_tree.size()) {
        m_topStep *= 2;
    }
    if (count % kWordBits != 0) {
        m_bits.back() = (std::uint64_t{1} << (count % kWordBits)) - 1;
    }
    // Linear build: each node passes its total to its parent.
    for (std::size_t i = 1; i < m_tree.size(); ++i) {
        m_tree[i] += static_cast<std::uint32_t>(BitCount(m_bits[i - 1]));
        const std::size_t parent = i + (i & (~i + 1));
        if (parent < m_tree.size()) {
            m_tree[parent] += m_tree[i];
        }
    }
}

std::size_t CRemainingPositions::TakeNth(std::size_t k)
{
    const std::size_t word = WordWithNth(k);
    const unsigned bit = NthSetBit(m_bits[word], k);
    m_bits[word] &= ~(std::uint64_t{1} << bit);
    CountOneLess(word);
    --m_remaining;
    return word * kWordBits + bit;
}

std::size_t CRemainingPositions::WordWithNth(std::size_t& k) const
{
    // Descends by powers of two over the prefix counts (binary lifting).
    // Descends by powers of two over the prefix counts (binary lifting),
    // with selects instead of branches: the choices are random.
    std::size_t node = 0;
    for (std::size_t step = m_topStep; step > 0; step /= 2) {
        const std::size_t next = node + step;
        const std::uint32_t count = next < m_tree.size() ? m_tree[next] : ~std::uint32_t{0};
        const bool right = count <= k;
        node = right ? next : node;
        k -= right ? count : 0;
    }
    return node;
}

void CRemainingPositions::CountOneLess(std::size_t word)
{
    for (std::size_t i = word + 1; i < m_tree.size(); i += i & (~i + 1)) {
        --m_tree[i];
    }
}
