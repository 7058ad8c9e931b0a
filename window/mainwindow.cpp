// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"
#include "windowtexts.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>

#include <vector>

namespace {

constexpr QColor windowColor(192, 192, 255);
constexpr QColor labelColor(255, 192, 128);
constexpr QColor checkButtonColor(128, 255, 128);
constexpr QColor clearButtonColor(255, 128, 128);

// Shown for an acronym row that has no letter yet, so that a screen reader
// says something rather than a lone blank.
const QString blankRowName = QStringLiteral("празен ред");

// The window icon: a 256-colour XPM, built in as a resource and handed to
// QImage's own XPM parser. Reading a picture through QImageReader would first
// load Qt's registry of image-format plugins, which costs more at start-up
// (about 3 ms and half a MiB here) than all of the window's own work.
QIcon builtInIcon()
{
    const QByteArray data = QResource(QStringLiteral(":/icons/zunovar-32.xpm")).uncompressedData();
    // The picture is the quoted strings of the file, in order.
    std::vector<QByteArray> strings;
    for (const QByteArray &line : data.split('\n')) {
        const qsizetype first = line.indexOf('"');
        const qsizetype last = line.lastIndexOf('"');
        if (first >= 0 && last > first) {
            strings.push_back(line.mid(first + 1, last - first - 1));
        }
    }
    // Header: width, height, colours, characters per pixel. The parser trusts
    // it, so check that the colours and rows it promises are there.
    const QList<QByteArray> header =
        strings.empty() ? QList<QByteArray>() : strings.front().simplified().split(' ');
    if (header.size() < 4 ||
        static_cast<qsizetype>(strings.size()) < 1 + header[1].toInt() + header[2].toInt()) {
        return {};
    }
    std::vector<const char *> lines;
    for (const QByteArray &string : strings) {
        lines.push_back(string.constData());
    }
    return QIcon(QPixmap::fromImage(QImage(lines.data())));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {MainWindow::twips(left), MainWindow::twips(top), MainWindow::twips(width),
            MainWindow::twips(height)};
}

QString rowText(const std::string &text)
{
    return QString::fromStdString(text);
}

bool showsRows(const QListWidget *list, const TextList &rows)
{
    if (list->count() != rows.count()) {
        return false;
    }
    for (int row = 0; row < rows.count(); ++row) {
        if (list->item(row)->text() != rowText(rows.at(row))) {
            return false;
        }
    }
    return true;
}

// Brings a list widget to the board's rows. Rows leave one at a time and come
// back all together, so dropping the rows that left keeps the pupil's place in
// the list; anything else is rebuilt.
void showRows(QListWidget *list, const TextList &rows)
{
    for (int row = 0; row < list->count() && list->count() > rows.count();) {
        if (row < rows.count() && list->item(row)->text() == rowText(rows.at(row))) {
            ++row;
        } else {
            delete list->takeItem(row);
        }
    }
    if (!showsRows(list, rows)) {
        list->clear();
        for (const std::string &text : rows) {
            list->addItem(rowText(text));
        }
    }
}

void showSelection(QListWidget *list, int row)
{
    if (row < 0) {
        list->clearSelection();
    } else {
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Zunovar"));
    setWindowTitle(WindowTexts::caption);
    setWindowIcon(builtInIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(8745), twips(5400));

    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, windowColor);
    setPalette(windowPalette);
    setAutoFillBackground(true);
    setFont(QFont(QStringLiteral("Times New Roman"), 12));

    createControls();
    setTabOrder();
    formLoad();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
    }
}

void MainWindow::createControls()
{
    const std::array<QString, 4> labelTexts = {QStringLiteral("ЦУНО - абревиатура, акроним"),
                                               QStringLiteral("Роман"), QStringLiteral("Автор"),
                                               QStringLiteral("Анаграма")};
    const std::array<QRect, 4> labelRects = {
        twipsRect(2040, 0, 4575, 375), twipsRect(120, 480, 4095, 375),
        twipsRect(4320, 480, 3135, 375), twipsRect(7560, 480, 1095, 375)};
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        auto *label = new QLabel(labelTexts[i], this);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        label->setGeometry(labelRects[i]);
        label->setAlignment(Qt::AlignCenter);
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::Window, labelColor);
        label->setPalette(labelPalette);
        label->setAutoFillBackground(true);
        Label1[i] = label;
    }

    const std::array<QString, 2> buttonTexts = {QStringLiteral("Избрах"), QStringLiteral("Чисти")};
    const std::array<QRect, 2> buttonRects = {twipsRect(120, 120, 1335, 285),
                                              twipsRect(7080, 120, 1335, 285)};
    const std::array<QColor, 2> buttonColors = {checkButtonColor, clearButtonColor};
    for (std::size_t i = 0; i < Command1.size(); ++i) {
        auto *button = new QPushButton(buttonTexts[i], this);
        button->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        button->setGeometry(buttonRects[i]);
        button->setStyleSheet(WindowTexts::buttonStyle(buttonColors[i]));
        connect(button, &QPushButton::clicked, this,
                [this, index = static_cast<int>(i)] { command1Click(index); });
        Command1[i] = button;
    }

    const std::array<QRect, 2> listRects = {twipsRect(120, 840, 4095, 2055),
                                            twipsRect(4320, 840, 3135, 2055)};
    for (std::size_t i = 0; i < List1.size(); ++i) {
        auto *list = new QListWidget(this);
        list->setObjectName(QStringLiteral("List1(%1)").arg(i));
        list->setGeometry(listRects[i]);
        list->setAccessibleName(Label1[i + 1]->text());
        connect(list, &QListWidget::itemSelectionChanged, this,
                [this, index = static_cast<int>(i)] { list1SelectionChanged(index); });
        List1[i] = list;
    }

    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    List3->setGeometry(twipsRect(7560, 840, 1095, 2055));
    List3->setAccessibleName(Label1[3]->text());

    for (QListWidget *list : {List1[0], List1[1], List3}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }

    auto *text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1(0)"));
    text->setGeometry(twipsRect(120, 3000, 8535, 2295));
    text->setAccessibleName(QStringLiteral("Указания"));
    text->setPlainText(WindowTexts::instructions);
    text->setReadOnly(true);
    // Keyboard users can still move through the text and select it.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setFocusPolicy(Qt::StrongFocus);
    text->setTabChangesFocus(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->moveCursor(QTextCursor::Start);
    Text1[0] = text;
}

void MainWindow::setTabOrder()
{
    const std::array<QWidget *, 6> order = {Text1[0],    List1[0], List1[1],
                                            Command1[0], List3,    Command1[1]};
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    Text1[0]->setFocus();
}

void MainWindow::formLoad()
{
    board_.ResetBoard();
    showBoard();
}

void MainWindow::command1Click(int index)
{
    switch (index) {
    case 0:
        board_.CheckSelection();
        break;
    case 1:
        board_.ResetBoard();
        List3->clearSelection();
        break;
    }
    showBoard();
}

void MainWindow::list1SelectionChanged(int index)
{
    const QModelIndexList selected = List1[index]->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    if (index == 0) {
        board_.setTitleSelection(row);
    } else {
        board_.setAuthorSelection(row);
    }
}

void MainWindow::showBoard()
{
    // The widgets follow the board here, not the other way round.
    const QSignalBlocker titleBlocker(List1[0]);
    const QSignalBlocker authorBlocker(List1[1]);

    showRows(List1[0], board_.titles());
    showRows(List1[1], board_.authors());
    showSelection(List1[0], board_.titleSelection());
    showSelection(List1[1], board_.authorSelection());

    // Acronym rows change in place, so that a highlight in the column stays.
    const TextList &acronym = board_.acronym();
    if (List3->count() != acronym.count()) {
        List3->clear();
        for (int row = 0; row < acronym.count(); ++row) {
            List3->addItem(QString());
        }
    }
    for (int row = 0; row < acronym.count(); ++row) {
        QListWidgetItem *item = List3->item(row);
        const QString letter = rowText(acronym.at(row));
        if (item->text() != letter) {
            item->setText(letter);
            item->setData(Qt::AccessibleTextRole,
                          letter.trimmed().isEmpty() ? blankRowName : letter);
        }
    }
}
