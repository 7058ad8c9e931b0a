// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercisecontent.h"
#include "textlist.h"

#include <array>

// One run of the exercise: the titles and authors still to be matched, the
// acronym column, and what the pupil has selected in the two lists.
//
// A new board starts fresh, as after ResetBoard.
class ExerciseBoard
{
public:
    explicit ExerciseBoard(ExerciseContent content = ExerciseContent::builtIn());

    // Starts the exercise again: every pair back, every acronym row blank,
    // nothing selected.
    void ResetBoard();

    // Judges the selected title against the selected author. A right pair
    // writes the title's first letter into the row given by its key and leaves
    // both lists; either way both selections are cleared. Does nothing unless
    // both lists have a selection.
    void CheckSelection();

    // A row of the title or author list, or -1 for none. Anything else throws
    // std::out_of_range and keeps the selection as it was.
    void setTitleSelection(int row);
    void setAuthorSelection(int row);

    int titleSelection() const { return titleSelection_; }
    int authorSelection() const { return authorSelection_; }

    const TextList &titles() const { return List1[0]; }
    const TextList &authors() const { return List1[1]; }
    const TextList &titleKeys() const { return List1[2]; }
    const TextList &authorKeys() const { return List1[3]; }
    const TextList &acronym() const { return List3; }

    const ExerciseContent &content() const { return content_; }

    // The text of an acronym row that has not received its letter yet.
    static constexpr const char *blankSlot = " ";

private:
    static int checkedSelection(int row, const TextList &list);

    ExerciseContent content_;
    // [0] titles still to match, [1] their authors, [2] keys of [0], [3] keys of [1].
    std::array<TextList, 4> List1;
    // The acronym column: one row per pair, indexed by pair key.
    TextList List3;
    int titleSelection_ = -1;
    int authorSelection_ = -1;
};
