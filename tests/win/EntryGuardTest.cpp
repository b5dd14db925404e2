// The guard of every entry point and what the Windows layer makes of the
// exception it caught.
#include <gtest/gtest.h>

#include <windows.h>

#include <new>
#include <stdexcept>
#include <string>

#include "win/EntryGuard.h"
#include "win/com/ComEntry.h"
#include "win/ui/Errors.h"

namespace {

struct Unknown {};

TEST(Guarded, GivesTheBodysResultOrTheFailuresOrLastWhenTheFailureThrowsToo)
{
    EXPECT_EQ(Guarded([] { return 7; }, [] { return -1; }, 0), 7);
    EXPECT_EQ(Guarded([]() -> int { throw Unknown(); }, [] { return -1; }, 0), -1);
    EXPECT_EQ(Guarded([]() -> int { throw Unknown(); }, []() -> int { throw std::bad_alloc(); }, 0), 0);
    bool failed = false;
    Guarded([] { throw std::length_error("too long"); }, [&failed] { failed = true; });
    EXPECT_TRUE(failed);
    Guarded([] { throw 1; }, [] { throw 2; }); // nothing leaves
}

TEST(Guarded, TheFailureCanTellWhatWasThrown)
{
    const auto kind = [] {
        try {
            throw;
        } catch (const std::length_error&) {
            return 1;
        } catch (...) {
            return 2;
        }
    };
    EXPECT_EQ(Guarded([]() -> int { throw std::length_error("x"); }, kind, 0), 1);
    EXPECT_EQ(Guarded([]() -> int { throw Unknown(); }, kind, 0), 2);
}

// A COM method answers with Excel's own code, E_OUTOFMEMORY for a lack of
// memory and E_FAIL for anything else; a command shows the same code with
// words for it.
TEST(ComEntry, AnswersEachKindOfExceptionWithItsCode)
{
    const auto throwing = [](auto exception) { return [exception]() -> HRESULT { throw exception; }; };
    EXPECT_EQ(ComEntry([] { return S_FALSE; }), S_FALSE);
    EXPECT_EQ(ComEntry(throwing(std::bad_alloc())), E_OUTOFMEMORY);
    EXPECT_EQ(ComEntry(throwing(std::length_error("x"))), E_FAIL);
    EXPECT_EQ(ComEntry(throwing(COSError(L"The file could not be written.", ERROR_ACCESS_DENIED))), E_FAIL);
    EXPECT_EQ(ComEntry(throwing(CComError(0x800A03EC, L"Select a range."))), static_cast<HRESULT>(0x800A03EC));
    EXPECT_EQ(ComEntry(throwing(Unknown())), E_FAIL);
}

template <class Exception>
CComError FailureOf(const Exception& exception)
{
    try {
        throw exception;
    } catch (...) {
        return CurrentFailure();
    }
}

TEST(CurrentFailure, IsExcelsErrorItselfTheProgramsWithItsMessageAndOthersByCode)
{
    const CComError excel = FailureOf(CComError(0x800A03EC, L"Select a range."));
    EXPECT_EQ(excel.Code(), static_cast<HRESULT>(0x800A03EC));
    EXPECT_EQ(excel.Description(), L"Select a range.");
    const CComError own = FailureOf(COSError(L"The file could not be written.", ERROR_ACCESS_DENIED));
    EXPECT_EQ(own.Code(), E_FAIL);
    EXPECT_EQ(own.Description().rfind(L"The file could not be written.\nWindows error 5", 0), 0u) << own.Description();
    EXPECT_EQ(FailureOf(std::bad_alloc()).Code(), E_OUTOFMEMORY);
    EXPECT_EQ(FailureOf(std::length_error("x")).Code(), E_FAIL);
    EXPECT_EQ(FailureOf(Unknown()).Code(), E_FAIL);
}

} // namespace
