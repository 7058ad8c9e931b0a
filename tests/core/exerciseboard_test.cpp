// SPDX-License-Identifier: GPL-3.0-or-later
#include "exerciseboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numeric>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

const char *const acronymLetters[] = {"А", "З", "Б", "У", "Ч", "Н", "А",
                                      "М", "О", "Л", "И", "Т", "В", "А"};

TextList blankColumn(int rows)
{
    TextList column;
    for (int i = 0; i < rows; ++i) {
        column.append(" ");
    }
    return column;
}

std::string columnText(const TextList &column)
{
    std::string text;
    for (const std::string &row : column) {
        text += row;
    }
    return text;
}

int rowOf(const TextList &list, const std::string &text)
{
    const auto found = std::ranges::find(list, text);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

// Selects a title and an author by their texts and checks them.
void choose(ExerciseBoard &board, const std::string &title, const std::string &author)
{
    board.setTitleSelection(rowOf(board.titles(), title));
    board.setAuthorSelection(rowOf(board.authors(), author));
    board.CheckSelection();
}

// Matches the pair with the given key, wherever its rows are now.
void matchKey(ExerciseBoard &board, int key)
{
    const std::string keyText = std::to_string(key);
    board.setTitleSelection(rowOf(board.titleKeys(), keyText));
    board.setAuthorSelection(rowOf(board.authorKeys(), keyText));
    board.CheckSelection();
}

void expectFresh(const ExerciseBoard &board)
{
    EXPECT_EQ(board.titles(), board.content().titles());
    EXPECT_EQ(board.authors(), board.content().authors());
    EXPECT_EQ(board.titleKeys(), board.content().titleKeys());
    EXPECT_EQ(board.authorKeys(), board.content().authorKeys());
    EXPECT_EQ(board.acronym(), blankColumn(board.content().count()));
    EXPECT_EQ(board.titleSelection(), -1);
    EXPECT_EQ(board.authorSelection(), -1);
}

TEST(ExerciseBoardTest, NewBoardIsFresh)
{
    const ExerciseBoard board;
    expectFresh(board);
    EXPECT_EQ(board.titles().count(), 14);
}

TEST(ExerciseBoardTest, RightPairWritesLetterAtItsKeyAndRemovesBothRows)
{
    ExerciseBoard board;
    board.setTitleSelection(3);  // "Бай Ганьо", key 2
    board.setAuthorSelection(1); // "Алеко Константинов", key 2
    board.CheckSelection();

    TextList expectedColumn = blankColumn(14);
    expectedColumn.replace(2, "Б");
    EXPECT_EQ(board.acronym(), expectedColumn);

    TextList titles = board.content().titles();
    titles.removeAt(3);
    TextList authors = board.content().authors();
    authors.removeAt(1);
    TextList titleKeys = board.content().titleKeys();
    titleKeys.removeAt(3);
    TextList authorKeys = board.content().authorKeys();
    authorKeys.removeAt(1);
    EXPECT_EQ(board.titles(), titles);
    EXPECT_EQ(board.authors(), authors);
    EXPECT_EQ(board.titleKeys(), titleKeys);
    EXPECT_EQ(board.authorKeys(), authorKeys);
    EXPECT_EQ(board.titleSelection(), -1);
    EXPECT_EQ(board.authorSelection(), -1);
}

TEST(ExerciseBoardTest, WrongPairOnlyClearsBothSelections)
{
    ExerciseBoard board;
    board.setTitleSelection(3);  // "Бай Ганьо", key 2
    board.setAuthorSelection(0); // "Агата Кристи", key 3
    board.CheckSelection();

    EXPECT_EQ(board.titles(), board.content().titles());
    EXPECT_EQ(board.authors(), board.content().authors());
    EXPECT_EQ(board.acronym(), blankColumn(14));
    EXPECT_EQ(board.titleSelection(), -1);
    EXPECT_EQ(board.authorSelection(), -1);
}

struct PartialSelection
{
    const char *name;
    int title;
    int author;
};

class PartialSelectionTest : public testing::TestWithParam<PartialSelection>
{};

TEST_P(PartialSelectionTest, CheckChangesNothingAndKeepsTheSelection)
{
    ExerciseBoard board;
    matchKey(board, 7); // in progress, so that "nothing" is not just the fresh state
    const ExerciseBoard before = board;
    board.setTitleSelection(GetParam().title);
    board.setAuthorSelection(GetParam().author);
    board.CheckSelection();

    EXPECT_EQ(board.titles(), before.titles());
    EXPECT_EQ(board.authors(), before.authors());
    EXPECT_EQ(board.acronym(), before.acronym());
    EXPECT_EQ(board.titleSelection(), GetParam().title);
    EXPECT_EQ(board.authorSelection(), GetParam().author);
}

INSTANTIATE_TEST_SUITE_P(Selections, PartialSelectionTest,
                         testing::Values(PartialSelection{"Nothing", -1, -1},
                                         PartialSelection{"OnlyTitle", 3, -1},
                                         PartialSelection{"OnlyAuthor", -1, 1},
                                         PartialSelection{"OnlyLastTitle", 12, -1}),
                         [](const testing::TestParamInfo<PartialSelection> &info) {
                             return info.param.name;
                         });

// The three titles starting with А have keys 0, 6 and 13; in every order each
// letter must land in its own row, not in the first free one.
class ThreeAPairsTest : public testing::TestWithParam<std::vector<int>>
{};

TEST_P(ThreeAPairsTest, EachLetterLandsInItsOwnRow)
{
    ExerciseBoard board;
    for (const int key : GetParam()) {
        matchKey(board, key);
    }
    TextList expected = blankColumn(14);
    for (const int row : {0, 6, 13}) {
        expected.replace(row, "А");
    }
    EXPECT_EQ(board.acronym(), expected);
    EXPECT_EQ(board.titles().count(), 11);
}

INSTANTIATE_TEST_SUITE_P(AllOrders, ThreeAPairsTest,
                         testing::Values(std::vector{0, 6, 13}, std::vector{0, 13, 6},
                                         std::vector{6, 0, 13}, std::vector{6, 13, 0},
                                         std::vector{13, 0, 6}, std::vector{13, 6, 0}));

TEST(ExerciseBoardTest, AuthorAndTitleNamesAgreeWithTheirKeys)
{
    ExerciseBoard board;
    choose(board, "Аз, Клавдий ", "Робърт Грейвс");
    choose(board, "Убийство в Ориент Експрес", "Агата Кристи");
    choose(board, "Лавина", "Блага Димитрова");
    EXPECT_EQ(board.acronym().at(0), "А");
    EXPECT_EQ(board.acronym().at(3), "У");
    EXPECT_EQ(board.acronym().at(9), "Л");
    EXPECT_EQ(board.titles().count(), 11);
}

class FullSolveTest : public testing::TestWithParam<unsigned>
{};

TEST_P(FullSolveTest, SpellsTheAcronymInAnyOrder)
{
    std::vector<int> keys(14);
    std::iota(keys.begin(), keys.end(), 0);
    std::mt19937 random(GetParam());
    std::ranges::shuffle(keys, random);

    ExerciseBoard board;
    for (const int key : keys) {
        matchKey(board, key);
    }
    EXPECT_EQ(columnText(board.acronym()), "АЗБУЧНАМОЛИТВА");
    EXPECT_TRUE(board.titles().isEmpty());
    EXPECT_TRUE(board.authors().isEmpty());
    EXPECT_TRUE(board.titleKeys().isEmpty());
    EXPECT_TRUE(board.authorKeys().isEmpty());

    // Solved: no row is left to select, and a check has nothing to judge.
    EXPECT_THROW(board.setTitleSelection(0), std::out_of_range);
    EXPECT_THROW(board.setAuthorSelection(0), std::out_of_range);
    board.CheckSelection();
    EXPECT_EQ(columnText(board.acronym()), "АЗБУЧНАМОЛИТВА");
}

INSTANTIATE_TEST_SUITE_P(ShuffledOrders, FullSolveTest, testing::Range(1U, 9U));

TEST(ExerciseBoardTest, ResetMidwayRestoresTheFreshBoard)
{
    ExerciseBoard board;
    for (const int key : {4, 0, 11}) {
        matchKey(board, key);
    }
    board.setTitleSelection(5);
    board.setAuthorSelection(2);
    board.ResetBoard();
    expectFresh(board);
}

TEST(ExerciseBoardTest, ResetTwiceIsResetOnce)
{
    ExerciseBoard board;
    matchKey(board, 2);
    board.ResetBoard();
    board.ResetBoard();
    expectFresh(board);
    EXPECT_EQ(board.titles().count(), 14);
}

TEST(ExerciseBoardTest, ResetAfterSolveStartsAgain)
{
    ExerciseBoard board;
    for (int key = 0; key < 14; ++key) {
        matchKey(board, key);
    }
    board.ResetBoard();
    expectFresh(board);
}

struct BadRow
{
    const char *name;
    int matchedFirst; // pairs matched before, so that the lists are shorter
    int row;
};

class RefusedSelectionTest : public testing::TestWithParam<BadRow>
{};

TEST_P(RefusedSelectionTest, ThrowsAndKeepsThePreviousSelection)
{
    ExerciseBoard board;
    for (int key = 0; key < GetParam().matchedFirst; ++key) {
        matchKey(board, key);
    }
    board.setTitleSelection(2);
    board.setAuthorSelection(3);
    EXPECT_THROW(board.setTitleSelection(GetParam().row), std::out_of_range);
    EXPECT_THROW(board.setAuthorSelection(GetParam().row), std::out_of_range);
    EXPECT_EQ(board.titleSelection(), 2);
    EXPECT_EQ(board.authorSelection(), 3);
}

INSTANTIATE_TEST_SUITE_P(Rows, RefusedSelectionTest,
                         testing::Values(BadRow{"OnePastTheEnd", 0, 14}, BadRow{"MinusTwo", 0, -2},
                                         BadRow{"IntMin", 0, INT_MIN}, BadRow{"IntMax", 0, INT_MAX},
                                         BadRow{"RowThatLeftWithAPair", 1, 13},
                                         BadRow{"PastShortList", 10, 4}),
                         [](const testing::TestParamInfo<BadRow> &info) {
                             return info.param.name;
                         });

// A small board whose titles are not in key order: the letter must follow the
// key, not the title's row.
TEST(SmallBoardTest, LetterRowFollowsTheKeyNotThePosition)
{
    ExerciseBoard board(ExerciseContent({"Ябълка", "Ёж", "Bee", "Щурец"}, {"w", "x", "y", "z"},
                                        {"3", "1", "0", "2"}, {"2", "3", "0", "1"}));
    board.setTitleSelection(0);  // "Ябълка", key 3
    board.setAuthorSelection(1); // "x", key 3
    board.CheckSelection();
    EXPECT_EQ(board.acronym(), (TextList{" ", " ", " ", "Я"}));
    EXPECT_EQ(board.titles(), (TextList{"Ёж", "Bee", "Щурец"}));
    EXPECT_EQ(board.authors(), (TextList{"w", "y", "z"}));

    board.setTitleSelection(2);  // "Щурец", key 2
    board.setAuthorSelection(0); // "w", key 2
    board.CheckSelection();
    EXPECT_EQ(board.acronym(), (TextList{" ", " ", "Щ", "Я"}));
    EXPECT_EQ(board.titleKeys(), (TextList{"1", "0"}));
    EXPECT_EQ(board.authorKeys(), (TextList{"0", "1"}));
}

TEST(SmallBoardTest, EmptyContentGivesASolvedBoard)
{
    ExerciseBoard board(ExerciseContent({}, {}, {}, {}));
    EXPECT_TRUE(board.acronym().isEmpty());
    board.CheckSelection();
    EXPECT_THROW(board.setTitleSelection(0), std::out_of_range);
}

} // namespace
