#pragma once
#include <string>
#include <vector>

#include "tests/xlhost/SheetModel.h"

// What Application.ExecuteExcel4Macro understands, and the script's words.
namespace xlhost {

// Excel's rules for a defined name: a letter, "_" or "\" first, then
// letters, digits, "_", "." or "\"; not a cell reference; at most 255.
bool IsValidName(const std::string& name);

enum class MacroKind { Name, SetName, Unknown };

struct Macro {
    MacroKind kind = MacroKind::Unknown;
    std::string name;
    bool hasValue = false; // SET.NAME with one argument deletes the name
    CellValue value;
};

// A bare defined name, or SET.NAME("name"[, value]) where value is a
// string literal ("" is one quote inside), a number or TRUE/FALSE.
// Anything else, a malformed SET.NAME included, is Unknown.
Macro ParseMacro(const std::string& text);

// A script line's words: separated by blanks; "a word with blanks" in
// double quotes, "" inside for a quote. Throws std::runtime_error for a
// quote left open.
std::vector<std::string> SplitWords(const std::string& line);

} // namespace xlhost
