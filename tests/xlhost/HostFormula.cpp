#include "tests/xlhost/HostFormula.h"

#include "tests/xlhost/SheetModel.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <stdexcept>

bool ParseReference(const std::string& text, TestArea& area)
{
    for (char c : text) {
        if (c == '$' || std::islower(static_cast<unsigned char>(c))) {
            return false; // arguments are written plainly: A1, B2:C3, A:B, 3:5
        }
    }
    xlhost::Area parsed;
    if (!xlhost::ParseArea(text, parsed)) {
        return false;
    }
    // Whole columns and rows end where the sheet ends: an Excel with
    // Excel4 only has 65,536 rows and 256 columns.
    if (!TestExcel::Instance().OffersXloper12()) {
        if (parsed.row1 == 1 && parsed.row2 == xlhost::kRows) {
            parsed.row2 = kSheetRows;
        }
        if (parsed.column1 == 1 && parsed.column2 == xlhost::kColumns) {
            parsed.column2 = kSheetColumns;
        }
    }
    area = TestArea{parsed.row1 - 1, parsed.row2 - 1, parsed.column1 - 1, parsed.column2 - 1};
    return true;
}

HostValue ParseValue(const std::string& token, bool inFormula)
{
    HostValue value;
    if (token.empty()) {
        value.kind = inFormula ? xltype::Missing : xltype::Nil;
        return value;
    }
    if (token == "TRUE" || token == "FALSE") {
        value.kind = xltype::Bool;
        value.flag = token == "TRUE";
        return value;
    }
    const std::pair<const char*, XlWord> errors[] = {{"#NULL!", xlerr::Null}, {"#DIV/0!", xlerr::Div0},
                                                     {"#VALUE!", xlerr::Value}, {"#REF!", xlerr::Ref},
                                                     {"#NAME?", xlerr::Name},  {"#NUM!", xlerr::Num},
                                                     {"#N/A", xlerr::NA}};
    for (const auto& error : errors) {
        if (token == error.first) {
            value.kind = xltype::Err;
            value.error = error.second;
            return value;
        }
    }
    value.kind = xltype::Num;
    if (token == "NAN" || token == "INF" || token == "-INF") {
        value.number = token == "NAN" ? std::numeric_limits<double>::quiet_NaN()
                                      : (token == "INF" ? 1.0 : -1.0) * std::numeric_limits<double>::infinity();
        return value;
    }
    char* end = nullptr;
    value.number = std::strtod(token.c_str(), &end);
    if (end == token.c_str() + token.size()) {
        return value;
    }
    if (inFormula && ParseReference(token, value.area)) {
        value.kind = xltype::Ref;
        return value;
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
    value.kind = xltype::Str;
    value.text = text;
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
            const HostValue value = ParseValue(cells[column], false);
            if (value.kind == xltype::Nil) {
                continue; // an empty cell holds nothing
            }
            TestCell cell;
            cell.type = value.kind;
            cell.num = value.number;
            cell.flag = value.flag;
            cell.err = value.error;
            cell.text = value.text;
            TestExcel::Instance().SetCell(row, column, cell);
        }
    }
}
