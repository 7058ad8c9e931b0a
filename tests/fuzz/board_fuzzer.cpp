// SPDX-License-Identifier: GPL-3.0-or-later
// Drives ExerciseBoard with operations decoded from the fuzzer's bytes and
// checks every invariant of the board after every step.
//
// Input: one byte chooses the content (even: the built-in one, odd: a small
// content built from the following bytes; content the board refuses is
// skipped). The rest is a stream of operations: set the title or the author
// selection to any int, check, reset.
#include "exerciseboard.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}

std::optional<ExerciseContent> smallContent(FuzzedDataProvider &data)
{
    const int n = data.ConsumeIntegralInRange<int>(0, 6);
    std::vector<TextList> lists(4);
    for (int i = 0; i < n; ++i) {
        lists[0].append(data.ConsumeRandomLengthString(6));
        lists[1].append(data.ConsumeRandomLengthString(6));
    }
    for (int list = 2; list < 4; ++list) {
        for (int i = 0; i < n; ++i) {
            // Mostly numbers near the valid range, sometimes any text.
            if (data.ConsumeIntegralInRange<int>(0, 15) == 0) {
                lists[static_cast<std::size_t>(list)].append(data.ConsumeRandomLengthString(3));
            } else {
                lists[static_cast<std::size_t>(list)].append(
                    std::to_string(data.ConsumeIntegralInRange<int>(0, n)));
            }
        }
    }
    try {
        return ExerciseContent(lists[0], lists[1], lists[2], lists[3]);
    } catch (const std::invalid_argument &) {
        return std::nullopt;
    }
}

// Whether the content has this title with this key. Titles may repeat in
// fuzzed content, so the pair is looked up, not the title alone.
bool contentHasTitle(const ExerciseContent &content, const std::string &title,
                     const std::string &key)
{
    for (int i = 0; i < content.count(); ++i) {
        if (content.titles().at(i) == title && content.titleKeys().at(i) == key) {
            return true;
        }
    }
    return false;
}

void checkInvariants(const ExerciseBoard &board)
{
    const ExerciseContent &content = board.content();
    const int rows = board.titles().count();
    require(board.authors().count() == rows, "titles and authors differ in length");
    require(board.titleKeys().count() == rows, "title keys not parallel to titles");
    require(board.authorKeys().count() == rows, "author keys not parallel to authors");
    require(board.acronym().count() == content.count(), "acronym column lost or gained rows");
    require(board.titleSelection() >= -1 && board.titleSelection() < rows,
            "title selection outside the list");
    require(board.authorSelection() >= -1 && board.authorSelection() < rows,
            "author selection outside the list");

    int letters = 0;
    for (int k = 0; k < content.count(); ++k) {
        const std::string &slot = board.acronym().at(k);
        if (slot == ExerciseBoard::blankSlot) {
            continue;
        }
        ++letters;
        // The letter in row k is the first letter of the title whose key is k,
        // and that title has left the list.
        bool found = false;
        for (int i = 0; i < content.count(); ++i) {
            if (ExerciseContent::keyValue(content.titleKeys().at(i)) == k) {
                require(slot == firstLetter(content.titles().at(i)), "wrong letter in a row");
                found = true;
            }
        }
        require(found, "a letter in a row that no title owns");
    }
    require(letters + rows == content.count(), "matched pairs and rows left do not add up");
    for (int i = 0; i < rows; ++i) {
        const std::string &key = board.titleKeys().at(i);
        require(contentHasTitle(content, board.titles().at(i), key), "title key out of line");
        require(board.acronym().at(ExerciseContent::keyValue(key)) == ExerciseBoard::blankSlot,
                "a title still listed has its letter already");
    }
}

template <typename Setter, typename Getter>
void select(ExerciseBoard &board, Setter setter, Getter getter, int row, int rows)
{
    const int before = (board.*getter)();
    try {
        (board.*setter)(row);
        require(row == -1 || (row >= 0 && row < rows), "a bad row was accepted");
        require((board.*getter)() == row, "the selection was not set");
    } catch (const std::out_of_range &) {
        require(!(row == -1 || (row >= 0 && row < rows)), "a good row was refused");
        require((board.*getter)() == before, "a refused row changed the selection");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    std::optional<ExerciseContent> content;
    if (data.ConsumeIntegral<std::uint8_t>() % 2 == 0) {
        content = ExerciseContent::builtIn();
    } else {
        content = smallContent(data);
    }
    if (!content) {
        return -1; // refused content: not worth keeping in the corpus
    }

    ExerciseBoard board(*content);
    checkInvariants(board);
    while (data.remaining_bytes() > 0) {
        const int rows = board.titles().count();
        const int operation = data.ConsumeIntegralInRange<int>(0, 7);
        switch (operation) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4: {
            // 0 to 2 the title, 3 and 4 the author; 2 and 4 stay near the list.
            const bool title = operation <= 2;
            const int row = operation == 2 || operation == 4
                                ? data.ConsumeIntegralInRange<int>(-1, rows)
                                : data.ConsumeIntegral<int>();
            select(board,
                   title ? &ExerciseBoard::setTitleSelection : &ExerciseBoard::setAuthorSelection,
                   title ? &ExerciseBoard::titleSelection : &ExerciseBoard::authorSelection, row,
                   rows);
            break;
        }
        case 5:
        case 6:
            board.CheckSelection();
            require(board.titleSelection() == -1 || board.authorSelection() == -1,
                    "a check left both selections");
            break;
        default:
            board.ResetBoard();
            break;
        }
        checkInvariants(board);
    }
    return 0;
}
