#pragma once
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "engine/InternalGenerator.h"
#include "tests/xlw/BridgeFixture.h"
#include "worksheet/EntryPoints.h"
#include "xlw/XlfOper.h"

// Calls entry points in-process as Excel would, with the test Excel behind
// the bridge; results are read back as the host prints them. These tests
// play an Excel with Excel4 only, whose values are XLOPERs: In and Xl4 pass
// them to an entry point and read its result (Xloper12Test has the other
// path).
class WorksheetTest : public BridgeTest {
protected:
    void SetUp() override
    {
        BridgeTest::SetUp();
        UseExcel4Only();
    }

    static XlfValue* In(XLOPER* value) { return reinterpret_cast<XlfValue*>(value); }
    static const XLOPER* Xl4(XlfValue* result) { return reinterpret_cast<const XLOPER*>(result); }

    void SetCaller(XlWord firstRow, XlWord lastRow, std::uint8_t firstColumn, std::uint8_t lastColumn)
    {
        Excel().SetCaller(XLREF{firstRow, lastRow, firstColumn, lastColumn});
    }

    static XLOPER Missing() { return Kind(xltype::Missing); }
    static XLOPER Num(double value)
    {
        XLOPER v = Kind(xltype::Num);
        v.val.num = value;
        return v;
    }
    static XLOPER Bool(bool value)
    {
        XLOPER v = Kind(xltype::Bool);
        v.val.xbool = value ? 1 : 0;
        return v;
    }
    // A text argument in storage of the test's own, as Excel's arguments
    // are: not in the pool that every call resets.
    XLOPER Text(const std::string& text)
    {
        m_texts.push_back(std::string(1, static_cast<char>(text.size())) + text);
        XLOPER v = Kind(xltype::Str);
        v.val.str = &m_texts.back()[0];
        return v;
    }
    static XLOPER Kind(XlWord type)
    {
        XLOPER v{};
        v.xltype = type;
        return v;
    }

    static bool IsValueError(const XLOPER* result)
    {
        return result != nullptr && result->xltype == xltype::Err && result->val.err == xlerr::Value;
    }
    static double NumberOf(const XLOPER* result)
    {
        return result != nullptr && result->xltype == xltype::Num ? result->val.num : std::nan("");
    }
    // Cells of an array result row by row (a scalar as one cell).
    static std::vector<XLOPER> Cells(const XLOPER* result)
    {
        if (result == nullptr) {
            return {};
        }
        if (result->xltype != xltype::Multi) {
            return {*result};
        }
        const auto& a = result->val.array;
        return std::vector<XLOPER>(a.lparray, a.lparray + static_cast<std::size_t>(a.rows) * a.columns);
    }

private:
    std::deque<std::string> m_texts;
};
