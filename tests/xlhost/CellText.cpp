#include "tests/xlhost/CellText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace xlhost {
namespace {
struct NamedError {
    int number;
    const char* text;
};
constexpr NamedError kErrors[] = {{2000, "#NULL!"}, {2007, "#DIV/0!"}, {2015, "#VALUE!"}, {2023, "#REF!"},
                                  {2029, "#NAME?"}, {2036, "#NUM!"},   {2042, "#N/A"}};

// Plain decimal numbers only: strtod alone would also take hex, inf and nan.
bool LooksNumeric(const std::string& text)
{
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E')) {
            return false;
        }
    }
    return true;
}

std::string Printf(const char* format, int precision, double number)
{
    char text[64];
    std::snprintf(text, sizeof text, format, precision, number);
    return text;
}

std::string StripZeros(std::string text)
{
    if (text.find('.') == std::string::npos) {
        return text;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

// Excel's General in a standard-width column: at most 11 characters, plain
// decimals where they fit with some significance, else scientific.
std::string GeneralText(double number)
{
    constexpr std::size_t kWidth = 11;
    if (number == 0.0) {
        return "0";
    }
    const double magnitude = std::fabs(number);
    if (magnitude >= 1e-9 && magnitude < 1e11) {
        for (int decimals = 10; decimals >= 0; --decimals) {
            const std::string text = StripZeros(Printf("%.*f", decimals, number));
            if (text.size() <= kWidth && text != "0" && text != "-0") {
                return text;
            }
        }
    }
    for (int digits = 5; digits >= 0; --digits) {
        std::string text = Printf("%.*E", digits, number);
        const std::size_t e = text.find('E');
        text = StripZeros(text.substr(0, e)) + text.substr(e);
        if (text.size() <= kWidth) {
            return text;
        }
    }
    return Printf("%.*E", 0, number);
}

std::string Grouped(double magnitude)
{
    std::string digits = Printf("%.*f", 2, magnitude);
    const std::size_t point = digits.find('.');
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(point) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return digits;
}

// Days from 1970-01-01 to a civil date, after H. Hinnant's chrono
// algorithms.
long DaysFromCivil(long year, long month, long day)
{
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool IsLeapYear(long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Runs of digits split by one kind of separator, '-' or '/'.
bool DateParts(const std::string& text, std::vector<std::string>& parts)
{
    const std::size_t separator = text.find_first_of("-/");
    if (separator == std::string::npos) {
        return false;
    }
    parts.assign(1, std::string());
    for (char c : text) {
        if (c == text[separator]) {
            parts.emplace_back();
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            parts.back() += c;
        } else {
            return false;
        }
    }
    for (const std::string& part : parts) {
        if (part.empty() || part.size() > 4) {
            return false;
        }
    }
    return parts.size() == 2 || parts.size() == 3;
}

// An English (United States) date entry as the serial day.
bool DateSerial(const std::string& text, int currentYear, double& serial)
{
    std::vector<std::string> parts;
    if (!DateParts(text, parts)) {
        return false;
    }
    const bool yearFirst = parts.size() == 3 && parts[0].size() == 4;
    long year = currentYear;
    if (parts.size() == 3) {
        const std::string& written = yearFirst ? parts[0] : parts[2];
        year = std::stol(written);
        if (written.size() <= 2) {
            year += year < 30 ? 2000 : 1900; // Excel's two-digit year window
        }
    }
    const long month = std::stol(yearFirst ? parts[1] : parts[0]);
    const long day = std::stol(yearFirst ? parts[2] : parts[1]);
    constexpr long kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1
        || day > kMonthDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0)) {
        return false;
    }
    serial = static_cast<double>(DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30));
    return true;
}

// Serial day numbers from 1899-12-30 (Excel's 1900 system past February
// 1900); days-to-civil after H. Hinnant's chrono algorithms.
std::string DateText(double serial)
{
    if (serial < 0.0 || serial >= 2958466.0) {
        return "########";
    }
    const long days = static_cast<long>(std::floor(serial)) - 25569 + 719468; // from 1970-01-01, shifted to 0000-03-01
    const long era = days / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    const long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    char text[64];
    std::snprintf(text, sizeof text, "%04ld-%02ld-%02ld", year, month, day);
    return text;
}
} // namespace

std::string ErrorText(int error)
{
    for (const NamedError& named : kErrors) {
        if (named.number == error) {
            return named.text;
        }
    }
    return "#ERR" + std::to_string(error);
}

bool ErrorFromText(const std::string& text, int& error)
{
    for (const NamedError& named : kErrors) {
        if (text == named.text) {
            error = named.number;
            return true;
        }
    }
    return false;
}

CellValue ParseCellText(const std::string& field)
{
    if (field.empty()) {
        return CellValue{};
    }
    if (field[0] == '\'') {
        return CellValue::Text(field.substr(1));
    }
    if (field == "TRUE" || field == "FALSE") {
        return CellValue::Bool(field == "TRUE");
    }
    int error = 0;
    if (ErrorFromText(field, error)) {
        return CellValue::Error(error);
    }
    if (LooksNumeric(field)) {
        char* end = nullptr;
        const double number = std::strtod(field.c_str(), &end);
        if (end == field.c_str() + field.size() && std::isfinite(number)) {
            return CellValue::Number(number);
        }
    }
    return CellValue::Text(field);
}

TypedEntry ReadTyped(const std::string& text, int currentYear)
{
    TypedEntry entry;
    if (text.size() > 1 && text[0] == '=') {
        entry.formula = text;
        entry.value = ParseCellText(text.substr(1));
        if (entry.value.kind == CellKind::Text || entry.value.kind == CellKind::Empty) {
            entry.value = CellValue::Error(2029); // #NAME?: no name of that spelling
        }
        return entry;
    }
    double serial = 0.0;
    if (DateSerial(text, currentYear, serial)) {
        entry.value = CellValue::Number(serial);
        entry.isDate = true;
        return entry;
    }
    std::string upper = text;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    entry.value = ParseCellText(upper == "TRUE" || upper == "FALSE" ? upper : text);
    return entry;
}

std::string ValueText(const CellValue& value)
{
    switch (value.kind) {
    case CellKind::Number:
        return Printf("%.*g", 17, value.number);
    case CellKind::Text:
        return value.text;
    case CellKind::Bool:
        return value.number != 0.0 ? "TRUE" : "FALSE";
    case CellKind::Error:
        return ErrorText(value.error);
    case CellKind::Empty:
        break;
    }
    return std::string();
}

bool IsKnownFormat(const std::string& format)
{
    return format == "General" || format == "0.00" || format == "$#,##0.00" || format == "yyyy-mm-dd";
}

std::string DisplayText(const CellValue& value, const std::string& format)
{
    if (value.kind != CellKind::Number) {
        return ValueText(value);
    }
    const double number = value.number;
    if (format == "0.00") {
        return Printf("%.*f", 2, number);
    }
    if (format == "$#,##0.00") {
        return (number < 0.0 && Printf("%.*f", 2, number) != "-0.00" ? "-$" : "$") + Grouped(std::fabs(number));
    }
    if (format == "yyyy-mm-dd") {
        return DateText(number);
    }
    return GeneralText(number);
}

std::vector<std::string> ParseCsvLine(const std::string& line)
{
    std::vector<std::string> fields(1);
    std::size_t at = 0;
    while (at <= line.size()) {
        if (at < line.size() && line[at] == '"') {
            std::size_t i = at + 1;
            for (;; ++i) {
                if (i >= line.size()) {
                    throw std::runtime_error("a quote is left open: " + line);
                }
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        fields.back() += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                fields.back() += line[i];
            }
            at = i + 1;
            if (at < line.size() && line[at] != ',') {
                throw std::runtime_error("text after a closing quote: " + line);
            }
        } else {
            const std::size_t comma = line.find(',', at);
            const std::size_t end = comma == std::string::npos ? line.size() : comma;
            fields.back() += line.substr(at, end - at);
            at = end;
        }
        if (at >= line.size()) {
            break;
        }
        fields.emplace_back(); // line[at] is a comma
        ++at;
        if (at == line.size()) {
            break;
        }
    }
    return fields;
}

} // namespace xlhost
