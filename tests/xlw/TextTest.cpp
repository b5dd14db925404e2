#include <gtest/gtest.h>

#include <string>

#include "xlw/XlfText.h"

// Encodings written out by hand from the Unicode standard's tables.
TEST(TextTest, Utf8AndUtf16CarryEveryPlane)
{
    const std::string utf8 = "A\xCE\xB1\xE6\xBC\xA2\xF0\x9F\x98\x80"; // A, alpha, a CJK ideograph, an emoji
    const std::u16string utf16 = {u'A', 0x03B1, 0x6F22, 0xD83D, 0xDE00};
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
    EXPECT_EQ(Utf8ToUtf16(""), u"");
}

TEST(TextTest, MalformedSequencesReadAsTheReplacementCharacter)
{
    const char16_t replacement = 0xFFFD;
    EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), (std::u16string{replacement, replacement})); // overlong, then a stray tail
    EXPECT_EQ(Utf8ToUtf16("\xE6\xBC"), std::u16string(1, replacement));             // cut short
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), std::u16string(1, replacement));         // an encoded surrogate
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, u'x'}), "\xEF\xBF\xBDx");          // a lone high surrogate
}

#ifndef _WIN32
// Away from Windows the code page is Latin-1: what it lacks becomes '?',
// one for each character.
TEST(TextTest, PortableCodePageIsLatin1)
{
    EXPECT_EQ(Utf16ToAnsi(std::u16string{u'a', 0x00E9, 0x03B1, 0xD83D, 0xDE00}), "a\xE9??");
    EXPECT_EQ(AnsiToUtf16("a\xE9"), (std::u16string{u'a', 0x00E9}));
}
#endif
