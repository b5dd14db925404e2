#include "xlw/XlfArgDesc.h"

#include <utility>

#include "xlw/XlfDiagnostics.h"

namespace {
constexpr std::size_t kWizardNameLength = 19;
}

XlfArgDesc::XlfArgDesc(std::string name, std::string help, char type)
    : m_name(std::move(name)), m_help(std::move(help)), m_type(type)
{
    if (m_name.size() >= kWizardNameLength) {
        XlfDiagnostic(".\\xlw\\XlfArgDesc(35): ",
                      "Argument name \"" + m_name + "\" may be too long to fit the in the function wizard");
    }
}
