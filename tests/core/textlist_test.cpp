// SPDX-License-Identifier: GPL-3.0-or-later
#include "textlist.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct LetterCase
{
    const char *name;
    std::string text;
    std::string letter;
};

class FirstLetterTest : public testing::TestWithParam<LetterCase>
{};

TEST_P(FirstLetterTest, TakesTheWholeFirstCodePoint)
{
    EXPECT_EQ(firstLetter(GetParam().text), GetParam().letter);
}

INSTANTIATE_TEST_SUITE_P(Utf8, FirstLetterTest,
                         testing::Values(LetterCase{"Ascii", "Bee", "B"},
                                         LetterCase{"CyrillicIsTwoBytes", "Аз, Клавдий ", "А"},
                                         LetterCase{"TrailingBlankIgnored", "Ч ", "Ч"},
                                         LetterCase{"ThreeBytes", "€uro", "€"},
                                         LetterCase{"FourBytes", "\U0001F600!", "\U0001F600"},
                                         LetterCase{"Empty", "", ""},
                                         LetterCase{"LoneContinuationByte", "\x80x", ""},
                                         LetterCase{"TruncatedSequence", "\xD0", ""},
                                         LetterCase{"BrokenContinuation", "\xD0x", ""},
                                         LetterCase{"Overlong", "\xC0\x80", ""},
                                         LetterCase{"OverlongThreeBytes", "\xE0\x80\x80", ""},
                                         LetterCase{"Surrogate", "\xED\xA0\x80", ""},
                                         LetterCase{"BeyondUnicode", "\xF4\x90\x80\x80", ""}),
                         [](const testing::TestParamInfo<LetterCase> &info) {
                             return info.param.name;
                         });

TEST(TextListTest, RemovingMovesLaterItemsUp)
{
    TextList list{"a", "b", "c", "d"};
    list.removeAt(1);
    EXPECT_EQ(list, (TextList{"a", "c", "d"}));
    list.removeAt(2);
    EXPECT_EQ(list, (TextList{"a", "c"}));
}

TEST(TextListTest, AppendKeepsOrderAndReplaceChangesOneItem)
{
    TextList list;
    list.append("z");
    list.append("a");
    list.replace(0, "y");
    EXPECT_EQ(list, (TextList{"y", "a"}));
    EXPECT_EQ(list.count(), 2);
}

TEST(TextListTest, IndexOutsideTheListThrows)
{
    TextList list{"a", "b"};
    for (const int index : {-1, 2, 1000}) {
        EXPECT_THROW((void)list.at(index), std::out_of_range) << index;
        EXPECT_THROW(list.replace(index, "x"), std::out_of_range) << index;
        EXPECT_THROW(list.removeAt(index), std::out_of_range) << index;
    }
    EXPECT_EQ(list, (TextList{"a", "b"}));
}

} // namespace
