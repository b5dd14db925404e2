#include "tests/xlhost/MacroText.h"

#include <cctype>
#include <stdexcept>

#include "tests/xlhost/CellText.h"

namespace xlhost {
namespace {
bool IsNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '\\';
}

bool IsNamePart(char c)
{
    return IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '.';
}

void SkipBlanks(const std::string& text, std::size_t& at)
{
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
}

// "..." with "" for a quote, at text[at]; at is moved past it.
bool ReadLiteral(const std::string& text, std::size_t& at, std::string& literal)
{
    if (at >= text.size() || text[at] != '"') {
        return false;
    }
    literal.clear();
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
                literal += '"';
                ++i;
                continue;
            }
            at = i + 1;
            return true;
        }
        literal += text[i];
    }
    return false;
}

// A number or TRUE/FALSE up to the closing parenthesis.
bool ReadConstant(const std::string& text, std::size_t& at, CellValue& value)
{
    const std::size_t close = text.find(')', at);
    if (close == std::string::npos) {
        return false;
    }
    std::string word = text.substr(at, close - at);
    while (!word.empty() && word.back() == ' ') {
        word.pop_back();
    }
    value = ParseCellText(Upper(word));
    at += word.size();
    return value.kind == CellKind::Number || value.kind == CellKind::Bool;
}

bool ParseSetName(const std::string& text, Macro& macro)
{
    std::size_t at = 9; // past "SET.NAME("
    SkipBlanks(text, at);
    if (!ReadLiteral(text, at, macro.name) || !IsValidName(macro.name)) {
        return false;
    }
    SkipBlanks(text, at);
    if (at < text.size() && text[at] == ',') {
        ++at;
        SkipBlanks(text, at);
        std::string literal;
        macro.hasValue = true;
        if (ReadLiteral(text, at, literal)) {
            macro.value = CellValue::Text(literal);
        } else if (!ReadConstant(text, at, macro.value)) {
            return false;
        }
        SkipBlanks(text, at);
    }
    return at + 1 == text.size() && text[at] == ')';
}
} // namespace

bool IsValidName(const std::string& name)
{
    if (name.empty() || name.size() > 255 || !IsNameStart(name[0])) {
        return false;
    }
    for (char c : name) {
        if (!IsNamePart(c)) {
            return false;
        }
    }
    Area area;
    const std::string upper = Upper(name);
    return !ParseArea(name, area) && upper != "R" && upper != "C";
}

Macro ParseMacro(const std::string& text)
{
    Macro macro;
    if (Upper(text.substr(0, 9)) == "SET.NAME(") {
        macro.kind = ParseSetName(text, macro) ? MacroKind::SetName : MacroKind::Unknown;
        return macro;
    }
    if (IsValidName(text)) {
        macro.kind = MacroKind::Name;
        macro.name = text;
    }
    return macro;
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
            ++at;
        }
        if (at >= line.size()) {
            return words;
        }
        std::string word;
        if (line[at] == '"') {
            if (!ReadLiteral(line, at, word)) {
                throw std::runtime_error("a quote is left open: " + line);
            }
        } else {
            while (at < line.size() && line[at] != ' ' && line[at] != '\t') {
                word += line[at++];
            }
        }
        words.push_back(word);
    }
}

} // namespace xlhost
