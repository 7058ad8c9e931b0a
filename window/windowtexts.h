// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

// The window's longer fixed texts, and the style sheet of its buttons.
namespace WindowTexts {

inline const QString caption =
    QStringLiteral("https://zunovar.example/ ЦУНО - съставяне на акроним");

// Five paragraphs, each ending with a line break.
inline const QString instructions = QStringLiteral(
    "Абревиатура е дума, която може да се образува от началните букви или срички на "
    "съставно название. Акронимът е вид абревиатура, образувана само от началните букви, "
    "която се чете като една дума, а не буква по буква.\n"
    "Задачата е да се изработи проект, който представя междупредметните връзки между ЦУНО "
    "и информатиката.\n"
    "Тема на проекта: ЦУНО - абревиатура, акроним.\n"
    "Целта е от началните букви на заглавията на различни романи да се състави акроним - "
    "заглавието на литературно произведение. Буквите в акронима може да се повтарят, а "
    "заглавията и авторите - не. Два списъка с еднакъв брой редове съдържат заглавията на "
    "романите (първият) и техните автори (вторият).\n"
    "Редовете на всеки списък са подредени по азбучен ред. Когато съответните редове от "
    "двата списъка са посочени правилно, първата буква на избрания роман се записва в трети "
    "списък, а посочените редове се изтриват. Независимо дали една буква се среща в "
    "акронима веднъж или няколко пъти, програмата винаги я поставя на точното ѝ място.\n");

// The default style lightens a palette button colour; a style sheet draws
// it exactly. The border keeps the button's outline, and a thicker one shows
// keyboard focus, which the style sheet would otherwise hide.
inline QString buttonStyle(QColor color)
{
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }"
                          "QPushButton:focus { border: 2px solid #000000; }"
                          "QPushButton:pressed { background-color: %2; }")
        .arg(color.name(), color.darker(115).name());
}

} // namespace WindowTexts
