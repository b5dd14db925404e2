#pragma once
#include <cstdint>
#include <string>

#include "xlw/XlCall12.h"
#include "xlw/XlfRange.h"

// The text of a counted string: length, then the characters.
std::u16string CountedText(const XlChar* counted);

// If the value holds Excel's memory (free-later bit), clears the bit and
// hands it back with xlFree.
void ReleaseOper(XLOPER12& value);

// A pointer to an XLOPER12 that lives in the temporary pool (or, for error
// values, in one shared static), so it can be returned to Excel as is. The
// worksheet functions are written against it whichever path Excel offers;
// the bridge converts at the edges (XlfExcel).
class XlfOper {
public:
    // A new xltypeNil value from the pool; empty when memory is exhausted.
    XlfOper();
    explicit XlfOper(XLOPER12* value) : m_value(value) {}

    // The shared static error value with this code.
    static XlfOper Error(XlWord code);

    bool IsEmpty() const { return m_value == nullptr; }
    XLOPER12* Get() const { return m_value; }
    // The kind, without the free-later bit; 0 when empty.
    XlWord Type() const;

    // Setters do nothing on an empty value.
    XlfOper& SetNumber(double value);
    XlfOper& SetInt(std::int32_t value);
    XlfOper& SetBool(bool value);
    XlfOper& SetError(XlWord code);
    // Texts beyond the path's longest (32,767 characters, or 255 on the
    // XLOPER path) are cut to it (with a diagnostic); the value becomes
    // empty when the pool has no memory for the text. The narrow form
    // takes UTF-8.
    XlfOper& SetText(const std::u16string& text);
    XlfOper& SetText(const std::string& text);
    // An xltypeMulti of rows x columns xltypeNil values from the pool, row
    // by row; returns its first element to fill. Raises std::length_error
    // when the shape does not fit the path's array counts; the value
    // becomes empty (and null is returned) when the pool has no memory.
    XLOPER12* SetMulti(std::uint32_t rows, std::uint32_t columns);

    // xlCoerce of this value to the type into result (which the caller
    // owns and releases).
    int CoerceTo(XlWord type, XLOPER12& result) const;

    // Each reader either reports Excel's return code or raises it through
    // RaiseForCode. Coerced results are released before the reader returns.
    double ReadDouble(int& code) const;
    double ReadDouble() const;
    bool ReadBool(int& code) const;
    bool ReadBool() const;
    const char* ReadText(int& code) const; // UTF-8, zero-terminated, in the pool
    const char* ReadText() const;
    XlfRange ReadRange(int& code) const;
    XlfRange ReadRange() const;

    void Release();

private:
    XLOPER12* m_value;
};

// An XLOPER12 that Excel fills in (a result of CallExcel); released when
// it goes out of scope.
class XlfOwnedOper {
public:
    XlfOwnedOper() { m_value.xltype = xltype::Nil; }
    ~XlfOwnedOper() { ReleaseOper(m_value); }
    XlfOwnedOper(const XlfOwnedOper&) = delete;
    XlfOwnedOper& operator=(const XlfOwnedOper&) = delete;

    XLOPER12* Get() { return &m_value; }
    const XLOPER12& Value() const { return m_value; }
    XlWord Type() const { return static_cast<XlWord>(m_value.xltype & ~xltype::FreeLater); }

private:
    XLOPER12 m_value{};
};
