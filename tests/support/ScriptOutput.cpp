// Readers of what the test Excel prints: lines, cells, clipboards and the
// windows of `dump state` and `controls`.
#include "tests/support/ExcelScript.h"

#include <algorithm>

namespace {
bool StartsWith(const std::string& line, const std::string& prefix)
{
    return line.compare(0, prefix.size(), prefix) == 0;
}
} // namespace

bool HostRun::Has(const std::string& line) const
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::size_t HostRun::Count(const std::string& prefix) const
{
    return After(prefix).size();
}

std::vector<std::string> HostRun::After(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (StartsWith(line, prefix))
            found.push_back(line.substr(prefix.size()));
    }
    return found;
}

std::vector<std::string> HostRun::Clipboards() const
{
    std::vector<std::string> texts;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i] == "unicode yes" || lines[i] == "unicode no")
            texts.push_back(lines[i - 1]);
    }
    return texts;
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> cells(1);
    for (char c : line) {
        if (c == '\t')
            cells.emplace_back();
        else
            cells.back() += c;
    }
    return cells;
}

std::string ScriptOutput::Take()
{
    EXPECT_FALSE(AtEnd()) << "the output ended early";
    return AtEnd() ? std::string() : m_lines[m_next++];
}

void ScriptOutput::Expect(const std::string& line)
{
    EXPECT_EQ(Take(), line) << "output line " << m_next;
}

std::vector<std::vector<std::string>> ScriptOutput::TakeCells(std::size_t rows)
{
    std::vector<std::vector<std::string>> cells;
    for (std::size_t r = 0; r < rows; ++r)
        cells.push_back(SplitTabs(Take()));
    return cells;
}

std::vector<std::string> ScriptOutput::TakeThrough(const std::string& prefix)
{
    std::vector<std::string> taken;
    while (!AtEnd()) {
        taken.push_back(Take());
        if (StartsWith(taken.back(), prefix))
            return taken;
    }
    ADD_FAILURE() << "no line starting with " << prefix;
    return taken;
}

std::vector<std::vector<std::string>> Parts(const std::vector<std::string>& lines)
{
    std::vector<std::vector<std::string>> parts(1);
    for (const std::string& line : lines) {
        if (StartsWith(line, "Cursor\t"))
            parts.emplace_back();
        parts.back().push_back(line);
    }
    return parts;
}

std::string VisibleControl(const std::vector<std::string>& part, int id)
{
    const std::string prefix = std::to_string(id) + "\t";
    const std::string visible = "\tvisible=1";
    for (const std::string& line : part) {
        if (StartsWith(line, prefix) && line.size() >= visible.size()
            && line.compare(line.size() - visible.size(), visible.size(), visible) == 0)
            return line.substr(prefix.size());
    }
    return "(missing)";
}
