// IGenerator's methods in resources/Stochal.idl, one for each distribution
// of the list with the DISPID, help string, help context, arguments and
// result type the list gives, and no other method beyond the uniform ones.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "qdists/DistributionList.h"

namespace {

struct Method {
    std::string id;
    std::string helpstring;
    std::string helpcontext;
    std::string name;
    std::string parameters; // blanks collapsed, the result's name dropped
};

std::string Collapsed(const std::string& text)
{
    std::istringstream words(text);
    std::string collapsed;
    for (std::string word; words >> word;) {
        collapsed += (collapsed.empty() ? "" : " ") + word;
    }
    return collapsed;
}

std::vector<Method> InterfaceMethods()
{
    std::ifstream in(std::string(STOCHAL_SOURCE_DIR) + "/resources/Stochal.idl");
    const std::string idl((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t begin = idl.find("interface IGenerator : IDispatch");
    const std::size_t end = idl.find("};", begin);
    if (begin == std::string::npos || end == std::string::npos) {
        return {};
    }
    const std::string body = idl.substr(begin, end - begin);
    const std::regex method(
        R"re(\[id\((\d+)\), helpstring\("([^"]*)"\), helpcontext\((\d+)\)\]\s*HRESULT (\w+)\(([^;]*)\);)re");
    const std::regex resultName(R"re((\[out, retval\] \w+\*) \w+$)re");
    std::vector<Method> methods;
    for (auto it = std::sregex_iterator(body.begin(), body.end(), method); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        methods.push_back({m[1], m[2], m[3], m[4], std::regex_replace(Collapsed(m[5]), resultName, "$1")});
    }
    return methods;
}

#define STOCHAL_IDL_PARAMETER(kind, name, comName, ...) STOCHAL_IDL_PARAMETER_##kind #comName
#define STOCHAL_IDL_PARAMETER_Whole "[in] long "
#define STOCHAL_IDL_PARAMETER_Real "[in] double "
#define STOCHAL_IDL_PARAMETER_Optional "[in, optional] VARIANT "
#define STOCHAL_IDL_RESULT_Logical "[out, retval] long*"
#define STOCHAL_IDL_RESULT_Whole "[out, retval] long*"
#define STOCHAL_IDL_RESULT_Real "[out, retval] double*"

std::string Joined(std::initializer_list<const char*> parts)
{
    std::string text;
    for (const char* part : parts) {
        text += std::string(text.empty() ? "" : ", ") + part;
    }
    return text;
}

const std::vector<Method> kListed = {
#define STOCHAL_DISTRIBUTION(Name, Class, Display, Thumbnail, Kind, Worksheet, Entry, Summary, Topic, Arguments, \
                             Construct, Initial, DispId, MethodHelp, HelpContext, Note)                        \
    {#DispId, MethodHelp, #HelpContext, "Next" #Name,                                                          \
     Joined({STOCHAL_EACH(STOCHAL_IDL_PARAMETER, Arguments), STOCHAL_IDL_RESULT_##Kind})},
#include "qdists/Distributions.def"
#undef STOCHAL_DISTRIBUTION
};

// Seed, Next and NextBetween draw no distribution.
constexpr std::size_t kUniformMethods = 3;

} // namespace

TEST(GeneratorMethodsList, EachDistributionHasItsMethodAsListed)
{
    const std::vector<Method> methods = InterfaceMethods();
    ASSERT_EQ(methods.size(), kUniformMethods + kListed.size());
    EXPECT_EQ(methods[0].name + " " + methods[1].name + " " + methods[2].name, "Seed Next NextBetween");
    for (const Method& listed : kListed) {
        SCOPED_TRACE(listed.name);
        const Method* found = nullptr;
        for (const Method& method : methods) {
            found = method.name == listed.name ? &method : found;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->id, listed.id);
        EXPECT_EQ(found->helpstring, listed.helpstring);
        EXPECT_EQ(found->helpcontext, listed.helpcontext);
        EXPECT_EQ(found->parameters, listed.parameters);
    }
}
