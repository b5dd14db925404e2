#pragma once
#include <string>
#include <vector>

namespace cli {

// The lines of a CSV or TSV file (or of stdin for "-"), kept as read so
// that sampled and shuffled rows print exactly as they stood.
class RowFile {
public:
    static RowFile Read(const std::string& path);

    const std::vector<std::string>& Rows() const { return m_rows; }

    // The weight of each row from its 1-based column; a missing column or a
    // field that is not a number is a usage error naming the row.
    std::vector<double> Weights(int column) const;

private:
    std::vector<std::string> Fields(const std::string& row) const;

    std::vector<std::string> m_rows;
    char m_separator = ',';
};

} // namespace cli
