#pragma once
#include <string>
#include <vector>

#include "xlw/XlfArgDesc.h"

// Base of everything that registers with Excel.
class XlfAbstractCmdDesc {
public:
    XlfAbstractCmdDesc(std::string entryPoint, std::string alias, std::string help);
    virtual ~XlfAbstractCmdDesc() = default;

    // Registers with the add-in's path; a refusal by Excel is written to
    // the diagnostics and registration goes on. Raises std::runtime_error
    // when Excel cannot tell the add-in's path.
    void Register() const;

    const std::string& EntryPoint() const { return m_entryPoint; }
    const std::string& Alias() const { return m_alias; }
    const std::string& Help() const { return m_help; }

protected:
    virtual int RegisterWith(const std::string& dllPath) const = 0;

private:
    std::string m_entryPoint;
    std::string m_alias;
    std::string m_help;
};

// A worksheet function returning a value (an XLOPER or an XLOPER12, as the
// path Excel offers).
class XlfFunctionDesc : public XlfAbstractCmdDesc {
public:
    XlfFunctionDesc(std::string entryPoint, std::string alias, std::string help, std::string category,
                    int volatility);

    void SetArguments(const XlfArgList& arguments) { m_arguments = arguments; }
    void SetHelpTopic(std::string topic) { m_helpTopic = std::move(topic); }

    // "R", one letter per argument, then "!" when volatile; with XLOPER12
    // every R (a value that may be a reference) becomes U.
    std::string TypeText() const;
    // The argument names joined by ", ".
    std::string ArgumentText() const;
    // "" without a topic; otherwise the DLL directory, a backslash, the topic.
    std::string HelpTopicText(const std::string& dllDirectory) const;
    // The xlfRegister values in order, as texts (the macro-type value 1 as "1"),
    // ending with an empty help text after the arguments' own.
    std::vector<std::string> RegisterTexts(const std::string& dllPath, const std::string& dllDirectory) const;

protected:
    int RegisterWith(const std::string& dllPath) const override;

private:
    std::string m_category;
    int m_volatility;
    XlfArgList m_arguments;
    std::string m_helpTopic;
};
