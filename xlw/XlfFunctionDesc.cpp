#include "xlw/XlfFunctionDesc.h"

#include <stdexcept>
#include <utility>

#include "xlw/XlfDiagnostics.h"
#include "xlw/XlfExcel.h"
#include "xlw/XlfOper.h"

namespace {
constexpr double kWorksheetFunction = 1.0; // xlfRegister's macro type
constexpr std::size_t kMacroTypePosition = 5;

// A value that may be a reference: R as an XLOPER, U as an XLOPER12.
char PathLetter(char letter, bool xloper12)
{
    return letter == 'R' && xloper12 ? 'U' : letter;
}
} // namespace

XlfAbstractCmdDesc::XlfAbstractCmdDesc(std::string entryPoint, std::string alias, std::string help)
    : m_entryPoint(std::move(entryPoint)), m_alias(std::move(alias)), m_help(std::move(help))
{
}

void XlfAbstractCmdDesc::Register() const
{
    const std::string dll = XlfExcel::Instance().GetDllPath();
    if (dll.empty()) {
        throw std::runtime_error("Could not get library name");
    }
    const int code = RegisterWith(dll);
    if (code != 0) {
        XlfDiagnostic(".\\xlw\\XlfAbstractCmdDesc(61): ",
                      "Error " + std::to_string(code) + " while registering " + m_alias);
    }
}

XlfFunctionDesc::XlfFunctionDesc(std::string entryPoint, std::string alias, std::string help,
                                 std::string category, int volatility)
    : XlfAbstractCmdDesc(std::move(entryPoint), std::move(alias), std::move(help)),
      m_category(std::move(category)), m_volatility(volatility)
{
}

std::string XlfFunctionDesc::TypeText() const
{
    const bool xloper12 = XlfExcel::Instance().UsesXloper12();
    std::string text(1, PathLetter('R', xloper12));
    for (const XlfArgDesc& argument : m_arguments.Arguments()) {
        text += PathLetter(argument.Type(), xloper12);
    }
    if (m_volatility != 0) {
        text += '!';
    }
    return text;
}

std::string XlfFunctionDesc::ArgumentText() const
{
    std::string text;
    for (const XlfArgDesc& argument : m_arguments.Arguments()) {
        if (!text.empty()) {
            text += ", ";
        }
        text += argument.Name();
    }
    return text;
}

std::string XlfFunctionDesc::HelpTopicText(const std::string& dllDirectory) const
{
    return m_helpTopic.empty() ? std::string() : dllDirectory + "\\" + m_helpTopic;
}

std::vector<std::string> XlfFunctionDesc::RegisterTexts(const std::string& dllPath,
                                                        const std::string& dllDirectory) const
{
    std::vector<std::string> texts = {dllPath,    EntryPoint(), TypeText(), Alias(),
                                      ArgumentText(), "1",      m_category, "",
                                      HelpTopicText(dllDirectory), Help()};
    for (const XlfArgDesc& argument : m_arguments.Arguments()) {
        texts.push_back(argument.Help());
    }
    // The Function Wizard may cut the last help text by a character or two;
    // one more, empty, help text after it keeps it whole.
    texts.push_back("");
    return texts;
}

int XlfFunctionDesc::RegisterWith(const std::string& dllPath) const
{
    const std::vector<std::string> texts = RegisterTexts(dllPath, XlfExcel::Instance().GetDllDirectory());
    std::vector<XLOPER12*> values;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        XlfOper value;
        if (i == kMacroTypePosition) {
            value.SetNumber(kWorksheetFunction);
        } else {
            value.SetText(texts[i]);
        }
        if (value.IsEmpty()) {
            return xlret::InvXloper;
        }
        values.push_back(value.Get());
    }
    return XlfExcel::Instance().CallExcelV(XlFunction::Register, nullptr, static_cast<int>(values.size()),
                                           values.data());
}
