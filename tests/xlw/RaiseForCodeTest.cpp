#include <stdexcept>
#include <string>
#include <typeinfo>

#include <gtest/gtest.h>

#include "xlw/XlfException.h"

namespace {
struct Case {
    int code;
    const char* kind; // "none", "uncalculated", "abort", "stack", "oper", "runtime"
    const char* message;
};

std::string Raised(int code, std::string& message)
{
    try {
        RaiseForCode(code);
    } catch (const XlfExceptionUncalculated& e) {
        message = e.what();
        return "uncalculated";
    } catch (const XlfExceptionAbort& e) {
        message = e.what();
        return "abort";
    } catch (const XlfExceptionStackOverflow& e) {
        message = e.what();
        return "stack";
    } catch (const XlfException& e) {
        message = e.what();
        return "oper";
    } catch (const std::runtime_error& e) {
        message = e.what();
        return "runtime";
    }
    return "none";
}
} // namespace

TEST(RaiseForCode, FirstKnownBitInOrderDecides)
{
    const Case cases[] = {
        {0, "none", ""},
        {64 + 1, "uncalculated", ""},
        {64 + 32 + 16 + 8 + 4 + 2 + 1, "uncalculated", ""},
        {1, "abort", "abort"},
        {1 + 16, "abort", "abort"},
        {16, "stack", "stack overflow"},
        {16 + 8, "stack", "stack overflow"},
        {8, "oper", "invalid OPER structure (memory could be exhausted)"},
        {8 + 32, "oper", "invalid OPER structure (memory could be exhausted)"},
        {32, "runtime", "command failed"},
        {32 + 4, "runtime", "command failed"},
        {4, "runtime", "invalid number of argument"},
        {4 + 2, "runtime", "invalid number of argument"},
        {2, "runtime", "invalid function number"},
        {128, "none", ""},
        {256 + 512, "none", ""},
    };
    for (const Case& c : cases) {
        std::string message;
        EXPECT_EQ(Raised(c.code, message), c.kind) << "code " << c.code;
        EXPECT_EQ(message, c.message) << "code " << c.code;
    }
}

TEST(RaiseForCode, TheBridgeFamilyDerivesFromXlfException)
{
    EXPECT_THROW(RaiseForCode(64), XlfException);
    EXPECT_THROW(RaiseForCode(1), XlfException);
    EXPECT_THROW(RaiseForCode(16), XlfException);
    EXPECT_THROW(RaiseForCode(8), std::exception);
}
