// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textlist.h"

#include <array>

// The fixed material of the exercise: novels, their authors and the pair keys
// that tie each title to its author and to its row of the acronym column.
//
// The four lists are checked when the content is built, so a board over it can
// rely on them: equal lengths, every key list a permutation of 0..N-1 written
// as plain decimal text, and every title starting with a whole UTF-8 letter.
// Anything else throws std::invalid_argument naming the list and the index.
class ExerciseContent
{
public:
    ExerciseContent(TextList titles, TextList authors, TextList titleKeys, TextList authorKeys);

    // The fourteen novels of the classroom exercise.
    static const ExerciseContent &builtIn();

    // Number of pairs, taken from the title list.
    int count() const { return List2[0].count(); }

    const TextList &titles() const { return List2[0]; }
    const TextList &authors() const { return List2[1]; }
    const TextList &titleKeys() const { return List2[2]; }
    const TextList &authorKeys() const { return List2[3]; }

    // Pair key from its decimal text; only for keys this content has checked.
    static int keyValue(const std::string &key);

private:
    void validate() const;

    // [0] titles, [1] authors, [2] title keys, [3] author keys; parallel in pairs.
    std::array<TextList, 4> List2;
};
