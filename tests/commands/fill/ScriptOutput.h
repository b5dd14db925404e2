#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/xlhost/HostRunner.h"

// The output of one xlhost script, read front to back: each check takes
// the lines it expects, so a line out of place fails the test there.
class CScriptOutput {
public:
    explicit CScriptOutput(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    bool AtEnd() const { return m_next >= m_lines.size(); }
    // The next line, which must be there.
    std::string Take()
    {
        EXPECT_FALSE(AtEnd()) << "the output ended early";
        return AtEnd() ? std::string() : m_lines[m_next++];
    }
    void Expect(const std::string& line) { EXPECT_EQ(Take(), line) << "output line " << m_next; }
    // The next rows of a `dump cells`, split at the tabs.
    std::vector<std::vector<std::string>> TakeCells(std::size_t rows)
    {
        std::vector<std::vector<std::string>> cells;
        for (std::size_t r = 0; r < rows; ++r)
            cells.push_back(SplitTabs(Take()));
        return cells;
    }
    // Lines up to and including the one that starts with `prefix`.
    std::vector<std::string> TakeThrough(const std::string& prefix)
    {
        std::vector<std::string> taken;
        while (!AtEnd()) {
            taken.push_back(Take());
            if (taken.back().compare(0, prefix.size(), prefix) == 0)
                return taken;
        }
        ADD_FAILURE() << "no line starting with " << prefix;
        return taken;
    }

private:
    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
};
