#pragma once
#include <string>
#include <vector>

// One argument of a registered function: its name, help text and
// xlfRegister type letter.
class XlfArgDesc {
public:
    // Names of 19 characters or more draw a warning (the function wizard
    // may not show them whole); the descriptor is kept either way.
    XlfArgDesc(std::string name, std::string help, char type = 'R');

    const std::string& Name() const { return m_name; }
    const std::string& Help() const { return m_help; }
    char Type() const { return m_type; }

private:
    std::string m_name;
    std::string m_help;
    char m_type;
};

// Arguments in the order they were joined.
class XlfArgList {
public:
    XlfArgList() = default;
    explicit XlfArgList(const XlfArgDesc& first) : m_arguments{first} {}

    XlfArgList& operator+(const XlfArgDesc& next)
    {
        m_arguments.push_back(next);
        return *this;
    }

    const std::vector<XlfArgDesc>& Arguments() const { return m_arguments; }

private:
    std::vector<XlfArgDesc> m_arguments;
};

inline XlfArgList operator+(const XlfArgDesc& first, const XlfArgDesc& second)
{
    XlfArgList list(first);
    list + second;
    return list;
}
