#include "tests/xlhost/HostDispatch.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <tuple>

namespace {
// A B or J argument: Excel's conversion, or the error it shows instead.
struct Scalar {
    double number = 0.0;
    XlWord error = 0;
    bool refused = false;
};

Scalar ToScalar(const XLOPER& argument)
{
    XLOPER value = argument;
    Scalar scalar;
    if (value.xltype == xltype::Ref) {
        XLOPER cell{};
        XLOPER wanted{};
        wanted.xltype = xltype::Int;
        wanted.val.w = static_cast<std::int16_t>(xltype::Num);
        XLOPER* arguments[] = {&value, &wanted};
        if (TestExcel::Instance().Call(static_cast<int>(XlFunction::Coerce), &cell, 2, arguments) != 0) {
            return {0.0, xlerr::Value, true};
        }
        value = cell;
    }
    switch (value.xltype) {
    case xltype::Num:
        scalar.number = value.val.num;
        return scalar;
    case xltype::Bool:
        scalar.number = value.val.xbool ? 1.0 : 0.0;
        return scalar;
    case xltype::Missing:
    case xltype::Nil:
        return scalar;
    case xltype::Err:
        return {0.0, value.val.err, true};
    default:
        return {0.0, xlerr::Value, true};
    }
}

template <class T>
T Convert(const XLOPER& argument, Scalar& refusal);

template <>
double Convert<double>(const XLOPER& argument, Scalar& refusal)
{
    const Scalar scalar = ToScalar(argument);
    if (scalar.refused && !refusal.refused) {
        refusal = scalar;
    }
    return scalar.number;
}

template <>
std::int32_t Convert<std::int32_t>(const XLOPER& argument, Scalar& refusal)
{
    const double number = Convert<double>(argument, refusal);
    if (!(std::fabs(number) < 2147483648.0)) {
        if (!refusal.refused) {
            refusal = {0.0, xlerr::Num, true};
        }
        return 0;
    }
    return static_cast<std::int32_t>(number);
}

template <>
XLOPER* Convert<XLOPER*>(const XLOPER& argument, Scalar&)
{
    return const_cast<XLOPER*>(&argument);
}

template <class... Done>
const XLOPER* Dispatch(void* entryPoint, const std::string& letters, const HostCall& call, Scalar& refusal,
                       std::tuple<Done...> done)
{
    constexpr std::size_t position = sizeof...(Done);
    if (position == letters.size()) {
        if (refusal.refused) {
            return nullptr;
        }
        using Entry = XLOPER* (XLL_CALL*)(Done...);
        return std::apply(reinterpret_cast<Entry>(entryPoint), done);
    }
    if constexpr (position < 3) {
        static XLOPER missing = [] {
            XLOPER value{};
            value.xltype = xltype::Missing;
            return value;
        }();
        const XLOPER& argument = position < call.arguments.size() ? call.arguments[position] : missing;
        switch (letters[position]) {
        case 'B':
            return Dispatch(entryPoint, letters, call, refusal,
                            std::tuple_cat(done, std::make_tuple(Convert<double>(argument, refusal))));
        case 'J':
            return Dispatch(entryPoint, letters, call, refusal,
                            std::tuple_cat(done, std::make_tuple(Convert<std::int32_t>(argument, refusal))));
        case 'R':
            return Dispatch(entryPoint, letters, call, refusal,
                            std::tuple_cat(done, std::make_tuple(Convert<XLOPER*>(argument, refusal))));
        default:
            break;
        }
    }
    throw std::runtime_error("unsupported type text");
}
} // namespace

const XLOPER* CallRegistered(void* entryPoint, const std::string& typeText, const HostCall& call,
                             XLOPER& refusal)
{
    if (typeText.empty() || typeText[0] != 'R') {
        throw std::runtime_error("unsupported type text " + typeText);
    }
    std::string letters = typeText.substr(1);
    if (!letters.empty() && letters.back() == '!') {
        letters.pop_back();
    }
    if (call.arguments.size() > letters.size()) {
        throw std::runtime_error("too many arguments for " + call.name);
    }
    Scalar refused;
    const XLOPER* result = Dispatch(entryPoint, letters, call, refused, std::tuple<>());
    if (refused.refused) {
        refusal.xltype = xltype::Err;
        refusal.val.err = refused.error;
        return &refusal;
    }
    return result;
}

const XLOPER* CallWorksheetFunction(HMODULE module, const HostCall& call, XLOPER& refusal)
{
    const TestExcel::XllCall calling;
    for (const auto& texts : TestExcel::Instance().Registrations()) {
        if (texts.size() > 3 && texts[3] == call.name) {
            void* entry = reinterpret_cast<void*>(GetProcAddress(module, texts[1].c_str()));
            if (entry == nullptr) {
                throw std::runtime_error("no export " + texts[1]);
            }
            return CallRegistered(entry, texts[2], call, refusal);
        }
    }
    throw std::runtime_error("not registered: " + call.name);
}
