#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

// Streams that hand out chosen values, so a test can steer a routine to a
// boundary and count how much it drew.
class ScriptedWords {
public:
    explicit ScriptedWords(std::vector<std::uint32_t> words) : m_words(std::move(words)) {}
    std::uint32_t NextWord()
    {
        if (m_next == m_words.size()) {
            throw std::logic_error("scripted words used up");
        }
        return m_words[m_next++];
    }
    std::size_t Drawn() const { return m_next; }

private:
    std::vector<std::uint32_t> m_words;
    std::size_t m_next = 0;
};

class ScriptedUnits {
public:
    explicit ScriptedUnits(std::vector<double> units) : m_units(std::move(units)) {}
    double NextUnit()
    {
        if (m_next == m_units.size()) {
            throw std::logic_error("scripted units used up");
        }
        return m_units[m_next++];
    }
    std::size_t Drawn() const { return m_next; }

private:
    std::vector<double> m_units;
    std::size_t m_next = 0;
};
