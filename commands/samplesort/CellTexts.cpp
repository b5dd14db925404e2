#include "commands/samplesort/CellTexts.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

std::wstring_view CCellTexts::Add(std::wstring_view text)
{
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("cell text beyond 32-bit length");
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < text.size()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(std::max(kBlockLength, text.size()));
    }
    // Within its capacity a block never reallocates, and moving the list
    // of blocks moves no characters.
    std::vector<wchar_t>& block = m_blocks.back();
    const std::size_t offset = block.size();
    block.insert(block.end(), text.begin(), text.end());
    m_lengths.push_back(static_cast<std::uint32_t>(text.size()));
    return {block.data() + offset, text.size()};
}

CCellTexts::const_iterator CCellTexts::begin() const
{
    return const_iterator(*this, 0);
}

CCellTexts::const_iterator CCellTexts::end() const
{
    return const_iterator(*this, m_lengths.size());
}

CCellTexts::const_iterator::const_iterator(const CCellTexts& texts, std::size_t text) : m_texts(&texts), m_text(text)
{
    if (m_text < m_texts->m_lengths.size())
        Settle();
}

void CCellTexts::const_iterator::Settle()
{
    // Add started a new block for the text only when it did not fit the
    // last one; an empty text fits anywhere.
    if (m_offset + m_texts->m_lengths[m_text] > m_texts->m_blocks[m_block].size()) {
        ++m_block;
        m_offset = 0;
    }
}

std::wstring_view CCellTexts::const_iterator::operator*() const
{
    return {m_texts->m_blocks[m_block].data() + m_offset, m_texts->m_lengths[m_text]};
}

CCellTexts::const_iterator& CCellTexts::const_iterator::operator++()
{
    m_offset += m_texts->m_lengths[m_text];
    if (++m_text < m_texts->m_lengths.size())
        Settle();
    return *this;
}
