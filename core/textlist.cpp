// SPDX-License-Identifier: GPL-3.0-or-later
#include "textlist.h"

#include <stdexcept>

std::size_t TextList::checked(int index) const
{
    if (index < 0 || index >= count()) {
        throw std::out_of_range("text list index " + std::to_string(index) + " outside 0.." +
                                std::to_string(count() - 1));
    }
    return static_cast<std::size_t>(index);
}

void TextList::removeAt(int index)
{
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(checked(index)));
}

const std::string &TextList::at(int index) const
{
    return items_[checked(index)];
}

void TextList::replace(int index, std::string item)
{
    items_[checked(index)] = std::move(item);
}

std::string firstLetter(std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 0;
    unsigned char minSecond = 0x80; // narrowest second byte that is not overlong
    unsigned char maxSecond = 0xBF; // widest second byte below surrogates and U+10FFFF
    if (lead < 0x80) {
        return std::string(text.substr(0, 1));
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minSecond = lead == 0xE0 ? 0xA0 : 0x80;
        maxSecond = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minSecond = lead == 0xF0 ? 0x90 : 0x80;
        maxSecond = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    if (text.size() < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool ok = i == 1 ? byte >= minSecond && byte <= maxSecond : (byte & 0xC0) == 0x80;
        if (!ok) {
            return {};
        }
    }
    return std::string(text.substr(0, length));
}
