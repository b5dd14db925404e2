#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Positions 0 .. n-1 from which the k-th remaining one, counted in order,
// is taken out in O(log n): a bit per position, and above the 64-bit words
// a shallow tree whose nodes keep the running counts of their children.
// A wide node is read and updated in a few vector operations, so a draw
// waits on three or four dependent steps rather than on one a tree level.
class CRemainingPositions {
public:
    // Whether this processor takes a bit within a word by one fast deposit
    // instruction.
    static bool DepositIsFast();

    // Raises std::length_error for 2^31 positions or more. The bit within a
    // word is found by the deposit instruction where asked, else by
    // broadword arithmetic; both take the same positions.
    explicit CRemainingPositions(std::size_t count, bool byDeposit = DepositIsFast());

    std::size_t Remaining() const { return m_remaining; }

    // Takes out count positions one after another, the i-th being the
    // remaining position with ranks[i] remaining ones before it when it is
    // taken, and writes them to positions. Needs each rank below the count
    // remaining at its turn.
    void TakeInTurn(const std::int32_t* ranks, std::size_t count, std::uint32_t* positions);

    static constexpr std::size_t kFanOut = 16;

private:
    // Finds the word holding the wanted position and counts it gone on the
    // way down; the rank becomes the position's rank within the word.
    std::size_t TakeWord(std::int32_t& rank);
    std::uint32_t TakeBit(std::size_t word, unsigned bit);
#if defined(__x86_64__)
    void TakeInTurnDeposited(const std::int32_t* ranks, std::size_t count, std::uint32_t* positions);
#endif

    std::vector<std::uint64_t> m_bits;
    // The nodes above the words, level by level from the root down (one
    // node) to the level just above the words, each level starting at its
    // entry in the starts. Node j of a level holds, at j * kFanOut + i, the
    // remaining positions under its children 0 .. i; missing children count
    // none.
    std::vector<std::int32_t> m_wideCounts;   // the levels nearer the root
    std::vector<std::int16_t> m_narrowCounts; // the levels nearer the words
    std::vector<std::size_t> m_wideStarts;
    std::vector<std::size_t> m_narrowStarts;
    std::size_t m_remaining;
    bool m_byDeposit;
};
