#pragma once
#include <exception>
#include <string>

// Excel return codes raised as exceptions. The worksheet frame turns this
// family into a null result, so that Excel calls again once precedents
// are calculated; every other failure becomes #VALUE!.
class XlfException : public std::exception {
public:
    explicit XlfException(std::string message) : m_message(std::move(message)) {}
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

class XlfExceptionUncalculated : public XlfException {
public:
    XlfExceptionUncalculated() : XlfException("") {}
};

class XlfExceptionAbort : public XlfException {
public:
    XlfExceptionAbort() : XlfException("abort") {}
};

class XlfExceptionStackOverflow : public XlfException {
public:
    XlfExceptionStackOverflow() : XlfException("stack overflow") {}
};

// Returns for 0 and for codes without a known bit; otherwise raises for the
// first known bit in Excel's order of precedence.
void RaiseForCode(int code);
