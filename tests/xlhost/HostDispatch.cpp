#include "tests/xlhost/HostDispatch.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <tuple>

#include "xlw/XlfText.h"

namespace {
// A B or J argument: Excel's conversion, or the error it shows instead.
struct Scalar {
    double number = 0.0;
    XlWord error = 0;
    bool refused = false;
};

Scalar ToScalar(const HostValue& argument)
{
    TestCell cell;
    cell.type = argument.kind;
    cell.num = argument.number;
    cell.flag = argument.flag;
    cell.err = argument.error;
    if (argument.kind == xltype::Ref) {
        const TestCell* found = TestExcel::Instance().FindCell(argument.area.row1, argument.area.column1);
        cell = found != nullptr ? *found : TestCell();
        if (cell.type == xltype::Err) {
            return {0.0, xlerr::Value, true}; // xlCoerce of an error cell to a number fails
        }
        if (cell.type == xltype::Str) {
            char* end = nullptr;
            const double number = std::strtod(cell.text.c_str(), &end);
            if (!cell.text.empty() && end == cell.text.c_str() + cell.text.size()) {
                return {number, 0, false};
            }
        }
    }
    switch (cell.type) {
    case xltype::Num:
        return {cell.num, 0, false};
    case xltype::Bool:
        return {cell.flag ? 1.0 : 0.0, 0, false};
    case xltype::Missing:
    case xltype::Nil:
        return {};
    case xltype::Err:
        return {0.0, cell.err, true};
    default:
        return {0.0, xlerr::Value, true};
    }
}

// An argument of one interface: the numbers and flags the same on both,
// texts and references in the interface's own form.
template <class Oper, class Text, class Reference>
Oper MakeOper(const HostValue& value, Text text, Reference reference)
{
    Oper oper{};
    oper.xltype = value.kind;
    switch (value.kind) {
    case xltype::Num:
        oper.val.num = value.number;
        break;
    case xltype::Bool:
        oper.val.xbool = value.flag ? 1 : 0;
        break;
    case xltype::Err:
        oper.val.err = value.error;
        break;
    case xltype::Str:
        oper.val.str = text(value.text);
        break;
    case xltype::Ref:
        oper = reference(value.area);
        break;
    default:
        break;
    }
    return oper;
}

// Arguments and results of one interface.
struct Xloper4 {
    using Oper = XLOPER;
    static Oper Make(const HostValue& value)
    {
        TestExcel& excel = TestExcel::Instance();
        return MakeOper<Oper>(
            value, [&excel](const std::string& text) { return excel.ArgumentText(text); },
            [&excel](const TestArea& area) { return excel.Reference(area); });
    }
};

struct Xloper12 {
    using Oper = XLOPER12;
    static Oper Make(const HostValue& value)
    {
        TestExcel& excel = TestExcel::Instance();
        return MakeOper<Oper>(
            value, [&excel](const std::string& text) { return excel.ArgumentText12(text); },
            [&excel](const TestArea& area) { return excel.Reference12(area); });
    }
};

template <class Oper>
TestCell CellOf(const Oper& value)
{
    TestCell cell;
    cell.type = static_cast<XlWord>(value.xltype & 0x0FFF);
    cell.num = cell.type == xltype::Num ? value.val.num : cell.type == xltype::Int ? value.val.w : 0.0;
    cell.flag = cell.type == xltype::Bool && value.val.xbool != 0;
    cell.err = cell.type == xltype::Err ? static_cast<XlWord>(value.val.err) : 0;
    if (cell.type == xltype::Str) {
        cell.text = FormatValue(value);
    }
    return cell;
}

template <class Oper>
HostResult ReadResult(const Oper* value)
{
    HostResult result;
    if (value == nullptr) {
        result.null = true;
        return result;
    }
    if ((value->xltype & 0x0FFF) != xltype::Multi) {
        result.cells.push_back(CellOf(*value));
        return result;
    }
    result.rows = static_cast<std::uint32_t>(value->val.array.rows);
    result.columns = static_cast<std::uint32_t>(value->val.array.columns);
    const std::size_t cells = static_cast<std::size_t>(result.rows) * result.columns;
    for (std::size_t i = 0; i < cells; ++i) {
        result.cells.push_back(CellOf(value->val.array.lparray[i]));
    }
    return result;
}

template <class Path>
struct Dispatcher {
    using Oper = typename Path::Oper;
    const std::string& letters;
    const HostCall& call;
    std::vector<Oper>& opers; // reserved, so pointers into it stay put
    Scalar refusal;

    const HostValue& ArgumentAt(std::size_t position)
    {
        static const HostValue missing;
        return position < call.arguments.size() ? call.arguments[position] : missing;
    }

    double Double(std::size_t position)
    {
        const Scalar scalar = ToScalar(ArgumentAt(position));
        if (scalar.refused && !refusal.refused) {
            refusal = scalar;
        }
        return scalar.number;
    }

    std::int32_t Whole(std::size_t position)
    {
        const double number = Double(position);
        if (!(std::fabs(number) < 2147483648.0)) {
            if (!refusal.refused) {
                refusal = {0.0, xlerr::Num, true};
            }
            return 0;
        }
        return static_cast<std::int32_t>(number);
    }

    Oper* Value(std::size_t position)
    {
        opers.push_back(Path::Make(ArgumentAt(position)));
        return &opers.back();
    }

    template <class... Done>
    const Oper* Call(void* entryPoint, std::tuple<Done...> done)
    {
        constexpr std::size_t position = sizeof...(Done);
        if (position == letters.size()) {
            if (refusal.refused) {
                return nullptr;
            }
            using Entry = Oper* (XLL_CALL*)(Done...);
            return std::apply(reinterpret_cast<Entry>(entryPoint), done);
        }
        if constexpr (position < 3) {
            switch (letters[position]) {
            case 'B':
                return Call(entryPoint, std::tuple_cat(done, std::make_tuple(Double(position))));
            case 'J':
                return Call(entryPoint, std::tuple_cat(done, std::make_tuple(Whole(position))));
            case 'R':
            case 'U':
                return Call(entryPoint, std::tuple_cat(done, std::make_tuple(Value(position))));
            default:
                break;
            }
        }
        throw std::runtime_error("unsupported type text");
    }
};

template <class Path>
HostResult Dispatch(void* entryPoint, const std::string& letters, const HostCall& call)
{
    std::vector<typename Path::Oper> opers;
    opers.reserve(letters.size());
    Dispatcher<Path> dispatcher{letters, call, opers, {}};
    const auto* value = dispatcher.Call(entryPoint, std::tuple<>());
    if (dispatcher.refusal.refused) {
        HostResult refused;
        TestCell error;
        error.type = xltype::Err;
        error.err = dispatcher.refusal.error;
        refused.cells.push_back(error);
        return refused;
    }
    return ReadResult(value);
}
} // namespace

std::string FormatCell(const TestCell& cell)
{
    char number[32];
    switch (cell.type) {
    case xltype::Num:
        std::snprintf(number, sizeof number, "%.17g", cell.num);
        return number;
    case xltype::Int:
        return std::to_string(static_cast<long>(cell.num));
    case xltype::Bool:
        return cell.flag ? "TRUE" : "FALSE";
    case xltype::Err:
        return ErrorName(cell.err);
    case xltype::Str:
        return cell.text;
    case xltype::Nil:
    case xltype::Missing:
        return std::string();
    default:
        return "#KIND" + std::to_string(cell.type);
    }
}

HostResult CallRegistered(void* entryPoint, const std::string& typeText, const HostCall& call)
{
    // R: the XLOPER interface; U: the XLOPER12 one. The add-in registers
    // with one or the other, never both in one function.
    if (typeText.empty() || (typeText[0] != 'R' && typeText[0] != 'U')) {
        throw std::runtime_error("unsupported type text " + typeText);
    }
    std::string letters = typeText.substr(1);
    if (!letters.empty() && letters.back() == '!') {
        letters.pop_back();
    }
    const char other = typeText[0] == 'R' ? 'U' : 'R';
    if (letters.find(other) != std::string::npos) {
        throw std::runtime_error("type text mixes XLOPER and XLOPER12: " + typeText);
    }
    if (call.arguments.size() > letters.size()) {
        throw std::runtime_error("too many arguments for " + call.name);
    }
    return typeText[0] == 'R' ? Dispatch<Xloper4>(entryPoint, letters, call)
                              : Dispatch<Xloper12>(entryPoint, letters, call);
}

HostResult CallWorksheetFunction(HMODULE module, const HostCall& call)
{
    const TestExcel::XllCall calling;
    for (const auto& texts : TestExcel::Instance().Registrations()) {
        if (texts.size() > 3 && texts[3] == call.name) {
            void* entry = reinterpret_cast<void*>(GetProcAddress(module, texts[1].c_str()));
            if (entry == nullptr) {
                throw std::runtime_error("no export " + texts[1]);
            }
            return CallRegistered(entry, texts[2], call);
        }
    }
    throw std::runtime_error("not registered: " + call.name);
}
