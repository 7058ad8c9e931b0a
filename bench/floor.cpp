// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the benchmarks: the same widgets with the same contents,
// colours and font as the real window, and no logic at all. What it costs is
// the least that Qt itself costs for this window.
#include "exercisecontent.h"
#include "windowtexts.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QRect px(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

QListWidget *list(QWidget *parent, QRect geometry, const TextList &rows)
{
    auto *widget = new QListWidget(parent);
    widget->setGeometry(geometry);
    for (const std::string &row : rows) {
        widget->addItem(QString::fromStdString(row));
    }
    return widget;
}

void button(QWidget *parent, const char *text, QRect geometry, QColor colour)
{
    auto *widget = new QPushButton(QString::fromUtf8(text), parent);
    widget->setGeometry(geometry);
    widget->setStyleSheet(WindowTexts::buttonStyle(colour));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(583, 360);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 255));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));

    const std::pair<const char *, QRect> labels[] = {
        {"ЦУНО - абревиатура, акроним", px(2040, 0, 4575, 375)},
        {"Роман", px(120, 480, 4095, 375)},
        {"Автор", px(4320, 480, 3135, 375)},
        {"Анаграма", px(7560, 480, 1095, 375)},
    };
    for (const auto &[text, geometry] : labels) {
        auto *label = new QLabel(QString::fromUtf8(text), &window);
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignCenter);
        palette.setColor(QPalette::Window, QColor(255, 192, 128));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    // Created in the real window's tab order, so that the same keys reach
    // the same widgets and the instructions get the focus first.
    auto *text = new QPlainTextEdit(WindowTexts::instructions, &window);
    text->setGeometry(px(120, 3000, 8535, 2295));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const ExerciseContent &content = ExerciseContent::builtIn();
    list(&window, px(120, 840, 4095, 2055), content.titles());
    list(&window, px(4320, 840, 3135, 2055), content.authors());
    button(&window, "Избрах", px(120, 120, 1335, 285), QColor(128, 255, 128));
    TextList blanks;
    for (int row = 0; row < content.count(); ++row) {
        blanks.append(" ");
    }
    list(&window, px(7560, 840, 1095, 2055), blanks);
    button(&window, "Чисти", px(7080, 120, 1335, 285), QColor(255, 128, 128));

    window.show();
    return QApplication::exec();
}
