#include "tests/xlhost/HostFormula.h"

#include "tests/xlhost/SheetModel.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace {
std::vector<std::unique_ptr<std::string>> g_texts; // counted strings of arguments

char* CountedCopy(const std::string& text)
{
    g_texts.push_back(std::make_unique<std::string>(1, static_cast<char>(text.size() > 255 ? 255 : text.size())));
    *g_texts.back() += text.substr(0, 255);
    return &(*g_texts.back())[0];
}

bool ParseCell(const std::string& text, std::size_t& at, std::uint32_t& row, std::uint32_t& column)
{
    column = 0;
    std::size_t letters = 0;
    while (at < text.size() && std::isupper(static_cast<unsigned char>(text[at])) && letters < 2) {
        column = column * 26 + static_cast<std::uint32_t>(text[at] - 'A' + 1);
        ++at;
        ++letters;
    }
    std::size_t digits = 0;
    row = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && digits < 6) {
        row = row * 10 + static_cast<std::uint32_t>(text[at] - '0');
        ++at;
        ++digits;
    }
    return letters > 0 && digits > 0 && row >= 1 && row <= kSheetRows && column <= kSheetColumns;
}

XLOPER Error(XlWord code)
{
    XLOPER value{};
    value.xltype = xltype::Err;
    value.val.err = code;
    return value;
}
} // namespace

bool ParseReference(const std::string& text, XLREF& rectangle)
{
    std::size_t at = 0;
    std::uint32_t row1 = 0, column1 = 0;
    if (!ParseCell(text, at, row1, column1)) {
        return false;
    }
    std::uint32_t row2 = row1, column2 = column1;
    if (at < text.size() && text[at] == ':') {
        ++at;
        if (!ParseCell(text, at, row2, column2)) {
            return false;
        }
    }
    if (at != text.size() || row2 < row1 || column2 < column1) {
        return false;
    }
    rectangle = XLREF{static_cast<XlWord>(row1 - 1), static_cast<XlWord>(row2 - 1),
                      static_cast<std::uint8_t>(column1 - 1), static_cast<std::uint8_t>(column2 - 1)};
    return true;
}

XLOPER ParseValue(const std::string& token, bool inFormula)
{
    XLOPER value{};
    if (token.empty()) {
        value.xltype = inFormula ? xltype::Missing : xltype::Nil;
        return value;
    }
    if (token == "TRUE" || token == "FALSE") {
        value.xltype = xltype::Bool;
        value.val.xbool = token == "TRUE";
        return value;
    }
    const std::pair<const char*, XlWord> errors[] = {{"#NULL!", xlerr::Null}, {"#DIV/0!", xlerr::Div0},
                                                     {"#VALUE!", xlerr::Value}, {"#REF!", xlerr::Ref},
                                                     {"#NAME?", xlerr::Name},  {"#NUM!", xlerr::Num},
                                                     {"#N/A", xlerr::NA}};
    for (const auto& error : errors) {
        if (token == error.first) {
            return Error(error.second);
        }
    }
    value.xltype = xltype::Num;
    if (token == "NAN" || token == "INF" || token == "-INF") {
        value.val.num = token == "NAN" ? std::numeric_limits<double>::quiet_NaN()
                                       : (token == "INF" ? 1.0 : -1.0) * std::numeric_limits<double>::infinity();
        return value;
    }
    char* end = nullptr;
    value.val.num = std::strtod(token.c_str(), &end);
    if (end == token.c_str() + token.size()) {
        return value;
    }
    XLREF rectangle{};
    if (inFormula && ParseReference(token, rectangle)) {
        return TestExcel::Instance().Reference(rectangle);
    }
    std::string text = token;
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
        std::string unquoted;
        for (std::size_t i = 0; i < text.size(); ++i) {
            unquoted += text[i];
            if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                ++i;
            }
        }
        text = unquoted;
    } else if (inFormula) {
        throw std::runtime_error("cannot read argument " + token);
    }
    value.xltype = xltype::Str;
    value.val.str = CountedCopy(text);
    return value;
}

std::vector<std::string> SplitTopLevel(const std::string& text)
{
    return xlhost::SplitOutsideQuotes(text, '"');
}

HostCall ParseCall(const std::string& text)
{
    const std::size_t open = text.find('(');
    if (open == std::string::npos || open == 0 || text.back() != ')') {
        throw std::runtime_error("cannot read call " + text);
    }
    HostCall call;
    call.name = text.substr(0, open);
    const std::string inside = text.substr(open + 1, text.size() - open - 2);
    if (!inside.empty()) {
        for (const std::string& token : SplitTopLevel(inside)) {
            call.arguments.push_back(ParseValue(token, true));
        }
    }
    return call;
}

void LoadSheet(const std::string& path)
{
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot open sheet " + path);
    }
    std::string line;
    for (std::uint32_t row = 0; std::getline(file, line); ++row) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::vector<std::string> cells = SplitTopLevel(line);
        for (std::uint32_t column = 0; column < cells.size(); ++column) {
            const XLOPER value = ParseValue(cells[column], false);
            TestCell cell;
            cell.type = value.xltype;
            cell.num = value.xltype == xltype::Num ? value.val.num : 0.0;
            cell.flag = value.xltype == xltype::Bool && value.val.xbool != 0;
            cell.err = value.xltype == xltype::Err ? value.val.err : 0;
            cell.text = value.xltype == xltype::Str ? FormatValue(value) : "";
            TestExcel::Instance().SetCell(row, column, cell);
        }
    }
}
