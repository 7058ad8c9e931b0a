// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exerciseboard.h"

#include <QWidget>

#include <array>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The program's only window. It shows the board's title, author and acronym
// lists, passes the pupil's selections to the board and runs the board's two
// operations from its two buttons. The rules of the exercise live in the board.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    const ExerciseBoard &board() const { return board_; }

    // Converts layout units (1/1440 inch) to device-independent pixels.
    static constexpr int twips(int value) { return value / 15; }

private:
    void createControls();
    void setTabOrder();
    void formLoad();
    void command1Click(int index);
    void list1SelectionChanged(int index);
    void showBoard();

    ExerciseBoard board_;

    // [0] heading, [1] "Роман", [2] "Автор", [3] "Анаграма".
    std::array<QLabel *, 4> Label1{};
    // [0] "Избрах" checks the selected pair, [1] "Чисти" starts again.
    std::array<QPushButton *, 2> Command1{};
    // [0] titles, [1] authors; the key lists stay inside the board.
    std::array<QListWidget *, 2> List1{};
    // The acronym column.
    QListWidget *List3 = nullptr;
    // [0] the instructions.
    std::array<QPlainTextEdit *, 1> Text1{};
};
