// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercisecontent.h"

#include "pairtable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace {

TEST(BuiltInContentTest, KeysTieEachTitleToItsAuthorAndRow)
{
    const ExerciseContent &content = ExerciseContent::builtIn();
    ASSERT_EQ(content.count(), 14);
    std::string acronym;
    for (int key = 0; key < 14; ++key) {
        const Pair &pair = pairsByKey[static_cast<std::size_t>(key)];
        SCOPED_TRACE(key);
        EXPECT_EQ(content.titleKeys().at(pair.title), std::to_string(key));
        EXPECT_EQ(content.authorKeys().at(pair.author), std::to_string(key));
        EXPECT_EQ(firstLetter(content.titles().at(pair.title)), pair.letter);
        acronym += firstLetter(content.titles().at(pair.title));
    }
    EXPECT_EQ(acronym, "АЗБУЧНАМОЛИТВА");
}

TEST(BuiltInContentTest, TitlesAndAuthorsAreDistinctAndInStoredOrder)
{
    const ExerciseContent &content = ExerciseContent::builtIn();
    const std::set<std::string> titles(content.titles().begin(), content.titles().end());
    const std::set<std::string> authors(content.authors().begin(), content.authors().end());
    EXPECT_EQ(titles.size(), 14U);
    EXPECT_EQ(authors.size(), 14U);
    EXPECT_EQ(content.titles().at(0), "Аз, Клавдий ");
    EXPECT_EQ(content.titles().at(13), "Черният обелиск");
    EXPECT_EQ(content.authors().at(0), "Агата Кристи");
    EXPECT_EQ(content.authors().at(13), "Умберто Еко");
    const auto withTrailingBlank = std::ranges::count_if(
        content.titles(), [](const std::string &title) { return title.ends_with(' '); });
    EXPECT_EQ(withTrailingBlank, 6);
}

struct BadContent
{
    const char *name;
    TextList titles;
    TextList authors;
    TextList titleKeys;
    TextList authorKeys;
    const char *where; // what the message must name: the list and the index
};

class RefusedContentTest : public testing::TestWithParam<BadContent>
{};

TEST_P(RefusedContentTest, NamesTheListAndTheIndex)
{
    const BadContent &bad = GetParam();
    try {
        ExerciseContent content(bad.titles, bad.authors, bad.titleKeys, bad.authorKeys);
        FAIL() << "content was accepted";
    } catch (const std::invalid_argument &error) {
        EXPECT_NE(std::string(error.what()).find(bad.where), std::string::npos) << error.what();
    }
}

const TextList t3{"Ax", "Bx", "Cx"};
const TextList a3{"a", "b", "c"};
const TextList k3{"2", "0", "1"};

INSTANTIATE_TEST_SUITE_P(
    Invariants, RefusedContentTest,
    testing::Values(
        BadContent{"FewerAuthors", t3, {"a", "b"}, k3, {"0", "1"}, "List2(1) authors, index 2"},
        BadContent{"MoreTitleKeys", t3, a3, {"2", "0", "1", "3"}, k3, "List2(2) title keys"},
        BadContent{"FewerAuthorKeys", t3, a3, k3, {"1"}, "List2(3) author keys, index 1"},
        BadContent{"KeyNotANumber", t3, a3, {"2", "x", "1"}, k3, "List2(2) title keys, index 1"},
        BadContent{"KeyWithSign", t3, a3, k3, {"+1", "0", "2"}, "List2(3) author keys, index 0"},
        BadContent{"NegativeKey", t3, a3, k3, {"1", "-0", "2"}, "List2(3) author keys, index 1"},
        BadContent{"LeadingZero", t3, a3, {"2", "00", "1"}, k3, "List2(2) title keys, index 1"},
        BadContent{"KeyWithBlank", t3, a3, {"2", "0", "1 "}, k3, "List2(2) title keys, index 2"},
        BadContent{"EmptyKey", t3, a3, k3, {"", "0", "1"}, "List2(3) author keys, index 0"},
        BadContent{"KeyPastTheColumn", t3, a3, {"2", "0", "3"}, k3, "List2(2) title keys, index 2"},
        BadContent{
            "HugeKey", t3, a3, k3, {"0", "1", "99999999999"}, "List2(3) author keys, index 2"},
        BadContent{
            "SameTitleKeyTwice", t3, a3, {"2", "0", "2"}, k3, "List2(2) title keys, index 2"},
        BadContent{
            "SameAuthorKeyTwice", t3, a3, k3, {"1", "1", "0"}, "List2(3) author keys, index 1"},
        BadContent{"EmptyTitle", {"Ax", "", "Cx"}, a3, k3, k3, "List2(0) titles, index 1"},
        BadContent{"TitleNotUtf8", {"Ax", "Bx", "\xFF"}, a3, k3, k3, "List2(0) titles, index 2"},
        BadContent{
            "TitleStartsWithBlank", {"Ax", " Bx", "Cx"}, a3, k3, k3, "List2(0) titles, index 1"},
        BadContent{
            "TitleStartsWithTab", {"\tAx", "Bx", "Cx"}, a3, k3, k3, "List2(0) titles, index 0"}),
    [](const testing::TestParamInfo<BadContent> &info) { return info.param.name; });

TEST(ContentTest, ConsistentSmallContentIsAccepted)
{
    const ExerciseContent content(t3, a3, k3, {"1", "2", "0"});
    EXPECT_EQ(content.count(), 3);
    EXPECT_EQ(content.authors().at(1), "b");
}

} // namespace
