#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/xlhost/MacroText.h"

namespace {
using xlhost::MacroKind;

TEST(MacroText, SetNameWithExcelsStringLiterals)
{
    xlhost::Macro macro = xlhost::ParseMacro("SET.NAME(\"StochalRangeMin\",\"0\")");
    ASSERT_EQ(MacroKind::SetName, macro.kind);
    EXPECT_EQ("StochalRangeMin", macro.name);
    EXPECT_EQ("0", macro.value.text); // a literal stays text
    macro = xlhost::ParseMacro("set.name( \"x\" , \"say \"\"hi\"\"\" )");
    ASSERT_EQ(MacroKind::SetName, macro.kind);
    EXPECT_EQ("say \"hi\"", macro.value.text);
    macro = xlhost::ParseMacro("SET.NAME(\"x\",2.5)");
    ASSERT_EQ(MacroKind::SetName, macro.kind);
    EXPECT_EQ(2.5, macro.value.number);
    macro = xlhost::ParseMacro("SET.NAME(\"x\")");
    ASSERT_EQ(MacroKind::SetName, macro.kind);
    EXPECT_FALSE(macro.hasValue);
}

TEST(MacroText, MalformedSetNameIsNoMacro)
{
    // An unescaped quote in a value, as a careless caller would format it.
    for (const char* text : {"SET.NAME(\"x\",\"a\"b\")", "SET.NAME(\"x\",\"open)", "SET.NAME(x,\"1\")",
                             "SET.NAME(\"1x\",\"1\")", "SET.NAME(\"x\",\"1\") ", "SET.NAME(\"x\",abc)",
                             "SET.NAME(\"x\",\"1\",\"2\")", "SET.NAME(\"A1\",\"1\")"}) {
        EXPECT_EQ(MacroKind::Unknown, xlhost::ParseMacro(text).kind) << text;
    }
}

TEST(MacroText, BareNamesFollowExcelsRules)
{
    EXPECT_EQ(MacroKind::Name, xlhost::ParseMacro("StochalOutputRange").kind);
    EXPECT_EQ(MacroKind::Name, xlhost::ParseMacro("_a.b\\c1").kind);
    for (const char* text : {"", "1abc", "A1", "xfd1048576", "R", "c", "a b", "a-b", "GET.CELL(1)"}) {
        EXPECT_EQ(MacroKind::Unknown, xlhost::ParseMacro(text).kind) << text;
    }
}

TEST(ScriptWords, SplitsAtBlanksAndKeepsQuotedWords)
{
    using Words = std::vector<std::string>;
    EXPECT_EQ((Words{"menu", "&Stochal/&Fill Simple..."}), xlhost::SplitWords("menu \"&Stochal/&Fill Simple...\""));
    EXPECT_EQ((Words{"name", "x", "a \"b\""}), xlhost::SplitWords("  name\tx  \"a \"\"b\"\"\"  "));
    EXPECT_EQ((Words{"set", "206", ""}), xlhost::SplitWords("set 206 \"\""));
    EXPECT_EQ(Words{}, xlhost::SplitWords("   "));
    EXPECT_THROW(xlhost::SplitWords("name x \"open"), std::runtime_error);
}
} // namespace
