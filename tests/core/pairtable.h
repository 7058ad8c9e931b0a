// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The pairs of the exercise by key: title index, author index and the letter
// the pair gives. Written down from the exercise's table, independently of
// the key lists, so that tests can check the board against it.
struct Pair
{
    int title;
    int author;
    const char *letter;
};

inline constexpr std::array<Pair, 14> pairsByKey = {{
    {0, 12, "А"},
    {5, 7, "З"},
    {3, 1, "Б"},
    {12, 0, "У"},
    {13, 6, "Ч"},
    {9, 5, "Н"},
    {2, 8, "А"},
    {8, 10, "М"},
    {10, 9, "О"},
    {7, 3, "Л"},
    {6, 13, "И"},
    {11, 2, "Т"},
    {4, 4, "В"},
    {1, 11, "А"},
}};
