// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// An ordered list of texts with zero-based int indices, as list boxes have.
// Every index is checked: a wrong one throws std::out_of_range instead of
// reading or writing past the end.
class TextList
{
public:
    TextList() = default;
    TextList(std::initializer_list<std::string> items) : items_(items) {}

    void clear() { items_.clear(); }
    void append(std::string item) { items_.push_back(std::move(item)); }
    void removeAt(int index);
    const std::string &at(int index) const;
    void replace(int index, std::string item);
    int count() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.empty(); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const TextList &) const = default;

private:
    std::size_t checked(int index) const;

    std::vector<std::string> items_;
};

// The first letter of a UTF-8 text: its first code point, all of its bytes.
// Returns an empty string when the text is empty or does not start with a
// well-formed UTF-8 sequence.
std::string firstLetter(std::string_view text);
