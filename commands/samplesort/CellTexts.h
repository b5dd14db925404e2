#pragma once
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

// Cell texts in the order they are added, kept end to end in large blocks
// rather than in a string each, so that many short texts take little more
// room than their characters; read back in order, as views. A text never
// moves once added.
class CCellTexts {
public:
    class const_iterator;

    // Room for the lengths of `count` texts.
    void Reserve(std::size_t count) { m_lengths.reserve(count); }
    // Keeps a copy of the text and gives a view of it.
    std::wstring_view Add(std::wstring_view text);
    std::size_t size() const { return m_lengths.size(); }
    const_iterator begin() const;
    const_iterator end() const;

private:
    // Characters a block holds, unless one text needs more.
    static constexpr std::size_t kBlockLength = std::size_t(1) << 16;

    std::vector<std::vector<wchar_t>> m_blocks; // a text never spans two
    std::vector<std::uint32_t> m_lengths;
};

class CCellTexts::const_iterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = std::wstring_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::wstring_view;

    std::wstring_view operator*() const;
    const_iterator& operator++();
    bool operator!=(const const_iterator& other) const { return m_text != other.m_text; }

private:
    friend class CCellTexts;
    const_iterator(const CCellTexts& texts, std::size_t text);
    // Moves to the next block when the current text does not lie in this one.
    void Settle();

    const CCellTexts* m_texts;
    std::size_t m_text;
    std::size_t m_block = 0;
    std::size_t m_offset = 0;
};
