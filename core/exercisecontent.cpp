// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercisecontent.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <vector>

namespace {

const std::array<const char *, 4> listNames = {"List2(0) titles", "List2(1) authors",
                                               "List2(2) title keys", "List2(3) author keys"};

[[noreturn]] void refuse(int list, int index, const std::string &why)
{
    throw std::invalid_argument(std::string(listNames[static_cast<std::size_t>(list)]) +
                                ", index " + std::to_string(index) + ": " + why);
}

// Plain decimal text: digits only, no sign, no leading zero, no blanks.
bool isPlainDecimal(const std::string &text)
{
    if (text.empty() || text.size() > 9 || (text.size() > 1 && text.front() == '0')) {
        return false;
    }
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

ExerciseContent::ExerciseContent(TextList titles, TextList authors, TextList titleKeys,
                                 TextList authorKeys)
    : List2{std::move(titles), std::move(authors), std::move(titleKeys), std::move(authorKeys)}
{
    validate();
}

int ExerciseContent::keyValue(const std::string &key)
{
    int value = -1;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), value);
    if (error != std::errc() || end != key.data() + key.size()) {
        throw std::invalid_argument("not a pair key: \"" + key + "\"");
    }
    return value;
}

void ExerciseContent::validate() const
{
    const int n = count();
    for (int list = 1; list < 4; ++list) {
        const int length = List2[static_cast<std::size_t>(list)].count();
        if (length != n) {
            refuse(list, std::min(length, n),
                   "has " + std::to_string(length) + " items, the titles have " +
                       std::to_string(n));
        }
    }
    for (int i = 0; i < n; ++i) {
        const std::string letter = firstLetter(titles().at(i));
        if (letter.empty()) {
            refuse(0, i, "title does not start with a whole UTF-8 letter");
        }
        // A blank or control character would land in the acronym column as
        // nothing visible, and a blank is what marks a row without a letter.
        if (static_cast<unsigned char>(letter.front()) <= ' ' || letter.front() == '\x7f') {
            refuse(0, i, "title starts with a blank or a control character");
        }
    }
    for (int list = 2; list < 4; ++list) {
        std::vector<bool> seen(static_cast<std::size_t>(n), false);
        for (int i = 0; i < n; ++i) {
            const std::string &key = List2[static_cast<std::size_t>(list)].at(i);
            if (!isPlainDecimal(key) || keyValue(key) >= n) {
                refuse(list, i,
                       "key \"" + key + "\" is not a whole number from 0 to " +
                           std::to_string(n - 1));
            }
            const auto value = static_cast<std::size_t>(keyValue(key));
            if (seen[value]) {
                refuse(list, i, "key \"" + key + "\" occurs twice");
            }
            seen[value] = true;
        }
    }
}

const ExerciseContent &ExerciseContent::builtIn()
{
    // Both lists in alphabetical order, as the pupil sees them. The blank at
    // the end of some titles belongs to the text and is shown as it is.
    static const ExerciseContent content(
        {
            "Аз, Клавдий ",
            "Алхимикът ",
            "Ана Каренина",
            "Бай Ганьо",
            "Властелинът на пръстените ",
            "Записки по българските въстания",
            "Името на розата",
            "Лавина",
            "Майстора и Маргарита ",
            "На изток от Рая ",
            "Отнесени от вихъра ",
            "Тримата мускетари",
            "Убийство в Ориент Експрес",
            "Черният обелиск",
        },
        {
            "Агата Кристи",
            "Алеко Константинов",
            "Александър Дюма",
            "Блага Димитрова",
            "Дж. Р. Р. Толкин",
            "Джон Стайнбек",
            "Ерих Мария Ремарк",
            "Захарий Стоянов",
            "Лев Толстой",
            "Маргарет Мичъл",
            "Михаил Булгаков",
            "Паулу Коелю",
            "Робърт Грейвс",
            "Умберто Еко",
        },
        {"0", "13", "6", "2", "12", "1", "10", "9", "7", "5", "8", "11", "3", "4"},
        {"3", "2", "11", "9", "12", "5", "4", "1", "6", "8", "7", "13", "0", "10"});
    return content;
}
