// SPDX-License-Identifier: GPL-3.0-or-later
#include "exerciseboard.h"

#include <stdexcept>
#include <string>

ExerciseBoard::ExerciseBoard(ExerciseContent content) : content_(std::move(content))
{
    ResetBoard();
}

void ExerciseBoard::ResetBoard()
{
    for (TextList &list : List1) {
        list.clear();
    }
    List3.clear();
    titleSelection_ = -1;
    authorSelection_ = -1;

    const int n = content_.count();
    for (int k = 0; k < n; ++k) {
        List1[0].append(content_.titles().at(k));
        List1[1].append(content_.authors().at(k));
        List3.append(blankSlot);
        List1[2].append(content_.titleKeys().at(k));
        List1[3].append(content_.authorKeys().at(k));
    }
}

void ExerciseBoard::CheckSelection()
{
    const int a = titleSelection_;
    const int b = authorSelection_;
    if (a == -1 || b == -1) {
        return;
    }

    const int titleKey = ExerciseContent::keyValue(List1[2].at(a));
    const int authorKey = ExerciseContent::keyValue(List1[3].at(b));
    if (titleKey == authorKey) {
        List3.replace(titleKey, firstLetter(List1[0].at(a)));
        List1[0].removeAt(a);
        List1[1].removeAt(b);
        List1[2].removeAt(a);
        List1[3].removeAt(b);
    }

    titleSelection_ = -1;
    authorSelection_ = -1;
}

int ExerciseBoard::checkedSelection(int row, const TextList &list)
{
    if (row != -1 && (row < 0 || row >= list.count())) {
        throw std::out_of_range("selection " + std::to_string(row) +
                                " is neither -1 nor a row of 0.." +
                                std::to_string(list.count() - 1));
    }
    return row;
}

void ExerciseBoard::setTitleSelection(int row)
{
    titleSelection_ = checkedSelection(row, List1[0]);
}

void ExerciseBoard::setAuthorSelection(int row)
{
    authorSelection_ = checkedSelection(row, List1[1]);
}
