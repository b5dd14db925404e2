#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The clipboard text of the Sample and Sort commands: texts in row-major
// order, `columns` to a line, separated by one tab; every line, the last
// one included, ends with a single line feed. No texts give an empty text.
std::wstring TabbedLines(const std::vector<std::wstring>& texts, std::size_t columns);
