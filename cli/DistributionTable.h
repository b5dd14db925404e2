#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/InternalGenerator.h"
#include "qdists/Distribution.h"
#include "qdists/DistributionList.h"

namespace cli {

// How draws of a distribution print: TRUE/FALSE, whole numbers, or doubles.
using qdists::DrawKind;

// One distribution as the command line names it: the worksheet function's
// name without its Q, its arguments in the worksheet function's order, the
// distribution object they build and the engine operation that draws it.
struct DistributionForm {
    std::string name;                    // "hypergeometric"
    std::vector<const char*> arguments;  // worksheet order: "n", "m", "s"
    std::vector<bool> wholeArguments;    // taken as 32-bit integers
    unsigned optionalArguments;          // trailing ones that draw may leave out
    DrawKind kind;
    std::unique_ptr<qdists::VDistribution> (*make)(const std::vector<double>& args);
    double (*draw)(CInternalGenerator& generator, const std::vector<double>& args);
    const char* note;                    // how the arguments meet the parameters
};

const std::vector<DistributionForm>& AllDistributionForms();

// The arguments in order, the optional ones in brackets: "min max [peak]".
std::string ArgumentList(const DistributionForm& form);

// The distribution named, in any case; null if there is none.
const DistributionForm* FindDistribution(const std::string& name);

} // namespace cli
