#include "cli/RowFile.h"

#include <fstream>
#include <iostream>

#include "cli/CommandLine.h"

namespace cli {

namespace {
std::vector<std::string> ReadLines(std::istream& in)
{
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string WithoutCarriageReturn(const std::string& text)
{
    return (!text.empty() && text.back() == '\r') ? text.substr(0, text.size() - 1) : text;
}
} // namespace

RowFile RowFile::Read(const std::string& path)
{
    RowFile file;
    if (path == "-") {
        file.m_rows = ReadLines(std::cin);
    } else {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            throw UsageError("cannot open file: " + path);
        }
        file.m_rows = ReadLines(in);
    }
    if (!file.m_rows.empty() && file.m_rows.front().find('\t') != std::string::npos) {
        file.m_separator = '\t';
    }
    return file;
}

// Splits one row at the separator; in CSV a field may be quoted, with ""
// standing for a quote inside it.
std::vector<std::string> RowFile::Fields(const std::string& row) const
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    const std::string text = WithoutCarriageReturn(row);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (m_separator == ',' && c == '"') {
            if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == m_separator && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<double> RowFile::Weights(int column) const
{
    std::vector<double> weights;
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const std::vector<std::string> fields = Fields(m_rows[r]);
        const std::string where = "row " + std::to_string(r + 1);
        if (column < 1 || static_cast<std::size_t>(column) > fields.size()) {
            throw UsageError("weight column " + std::to_string(column) + " is out of range in " + where);
        }
        weights.push_back(ParseDouble(fields[static_cast<std::size_t>(column) - 1], "weight in " + where));
    }
    return weights;
}

} // namespace cli
