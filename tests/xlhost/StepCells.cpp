#include "tests/xlhost/StepCells.h"

#include "tests/xlhost/HostModel.h"

namespace xlhost {

RangeRef StepReference(const std::string& text)
{
    RangeRef reference;
    const HostModel& model = HostModel::Instance();
    if (!model.book || !ParseRangeText(text, *model.book, reference)) {
        throw std::runtime_error("no reference: " + text);
    }
    return reference;
}

} // namespace xlhost
