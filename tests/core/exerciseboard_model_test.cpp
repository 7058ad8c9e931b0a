// SPDX-License-Identifier: GPL-3.0-or-later
// Random walks over the board, checked step by step against a small reference
// of the rules that shares no code with the board.
#include "exerciseboard.h"

#include "pairtable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

// The key of the title (side = &Pair::title) or author with that master index.
int keyOf(int Pair::*side, int master)
{
    const auto found = std::ranges::find(pairsByKey, master, side);
    return static_cast<int>(found - pairsByKey.begin());
}

int keyOfTitle(int master)
{
    return keyOf(&Pair::title, master);
}

int keyOfAuthor(int master)
{
    return keyOf(&Pair::author, master);
}

// The rules, over master indices instead of texts.
struct Reference
{
    std::vector<int> titles;  // master indices of the titles still shown
    std::vector<int> authors; // master indices of the authors still shown
    std::array<bool, 14> matched{};
    int titleSelection = -1;
    int authorSelection = -1;

    Reference() { reset(); }

    void reset()
    {
        titles.clear();
        authors.clear();
        for (int i = 0; i < 14; ++i) {
            titles.push_back(i);
            authors.push_back(i);
        }
        matched.fill(false);
        titleSelection = -1;
        authorSelection = -1;
    }

    void check()
    {
        if (titleSelection < 0 || authorSelection < 0) {
            return;
        }
        const int key = keyOfTitle(titles[static_cast<std::size_t>(titleSelection)]);
        if (key == keyOfAuthor(authors[static_cast<std::size_t>(authorSelection)])) {
            matched[static_cast<std::size_t>(key)] = true;
            titles.erase(titles.begin() + titleSelection);
            authors.erase(authors.begin() + authorSelection);
        }
        titleSelection = -1;
        authorSelection = -1;
    }

    bool solved() const { return titles.empty(); }
};

// Every invariant of the board, and agreement with the reference.
void expectAgrees(const ExerciseBoard &board, const Reference &reference)
{
    const ExerciseContent &content = board.content();
    const int rows = board.titles().count();
    ASSERT_EQ(rows, static_cast<int>(reference.titles.size()));
    ASSERT_EQ(board.authors().count(), rows);
    ASSERT_EQ(board.titleKeys().count(), rows);
    ASSERT_EQ(board.authorKeys().count(), rows);
    ASSERT_EQ(board.acronym().count(), 14);
    for (int i = 0; i < rows; ++i) {
        const int title = reference.titles[static_cast<std::size_t>(i)];
        const int author = reference.authors[static_cast<std::size_t>(i)];
        ASSERT_EQ(board.titles().at(i), content.titles().at(title)) << "title row " << i;
        ASSERT_EQ(board.titleKeys().at(i), std::to_string(keyOfTitle(title))) << "title row " << i;
        ASSERT_EQ(board.authors().at(i), content.authors().at(author)) << "author row " << i;
        ASSERT_EQ(board.authorKeys().at(i), std::to_string(keyOfAuthor(author)))
            << "author row " << i;
    }
    for (std::size_t key = 0; key < 14; ++key) {
        ASSERT_EQ(board.acronym().at(static_cast<int>(key)),
                  reference.matched[key] ? pairsByKey[key].letter : " ")
            << "acronym row " << key;
    }
    ASSERT_EQ(board.titleSelection(), reference.titleSelection);
    ASSERT_EQ(board.authorSelection(), reference.authorSelection);
    ASSERT_TRUE(board.titleSelection() >= -1 && board.titleSelection() < rows);
    ASSERT_TRUE(board.authorSelection() >= -1 && board.authorSelection() < rows);
}

// Sets a selection on both; a row that is not -1 nor a row of the list must
// be refused by the board and leave it as it was.
template <typename Setter>
void select(ExerciseBoard &board, Setter setter, int &referenceSelection, int row, int rows)
{
    if (row >= -1 && row < rows) {
        (board.*setter)(row);
        referenceSelection = row;
    } else {
        EXPECT_THROW((board.*setter)(row), std::out_of_range) << "row " << row;
    }
}

TEST(ExerciseBoardModelTest, RandomWalkAgreesWithTheRules)
{
    constexpr unsigned seed = 20261211;
    constexpr int steps = 120000;
    RecordProperty("seed", static_cast<int>(seed));
    std::mt19937 random(seed);
    auto below = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };

    ExerciseBoard board;
    Reference reference;
    int solves = 0;
    for (int step = 0; step < steps; ++step) {
        const int rows = static_cast<int>(reference.titles.size());
        const int roll = below(1000);
        if (roll < 300) {
            select(board, &ExerciseBoard::setTitleSelection, reference.titleSelection,
                   below(rows + 6) - 3, rows);
        } else if (roll < 600) {
            select(board, &ExerciseBoard::setAuthorSelection, reference.authorSelection,
                   below(rows + 6) - 3, rows);
        } else if (roll < 700 && rows > 0) {
            // Aim at a right pair now and then, so that walks get to the end.
            const int title = below(rows);
            const int key = keyOfTitle(reference.titles[static_cast<std::size_t>(title)]);
            const auto author = std::ranges::find(reference.authors,
                                                  pairsByKey[static_cast<std::size_t>(key)].author);
            select(board, &ExerciseBoard::setTitleSelection, reference.titleSelection, title, rows);
            select(board, &ExerciseBoard::setAuthorSelection, reference.authorSelection,
                   static_cast<int>(author - reference.authors.begin()), rows);
        } else if (roll < 998) {
            board.CheckSelection();
            reference.check();
        } else {
            board.ResetBoard();
            reference.reset();
        }
        SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step));
        expectAgrees(board, reference);
        if (HasFatalFailure()) {
            return;
        }
        if (reference.solved()) {
            std::string column;
            for (const std::string &row : board.acronym()) {
                column += row;
            }
            ASSERT_EQ(column, "АЗБУЧНАМОЛИТВА");
            ++solves;
            board.ResetBoard();
            reference.reset();
        }
    }
    // Walks that never finish would leave the solved state untested.
    EXPECT_GE(solves, 100) << "seed " << seed;
}

} // namespace
