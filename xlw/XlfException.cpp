#include "xlw/XlfException.h"

#include <stdexcept>

#include "xlw/XlCall.h"

void RaiseForCode(int code)
{
    if (code == xlret::Success) {
        return;
    }
    if (code & xlret::Uncalced) {
        throw XlfExceptionUncalculated();
    }
    if (code & xlret::Abort) {
        throw XlfExceptionAbort();
    }
    if (code & xlret::StackOvfl) {
        throw XlfExceptionStackOverflow();
    }
    if (code & xlret::InvXloper) {
        throw XlfException("invalid OPER structure (memory could be exhausted)");
    }
    if (code & xlret::Failed) {
        throw std::runtime_error("command failed");
    }
    if (code & xlret::InvCount) {
        throw std::runtime_error("invalid number of argument");
    }
    if (code & xlret::InvXlfn) {
        throw std::runtime_error("invalid function number");
    }
}
