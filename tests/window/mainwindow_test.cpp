// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven through its real widgets, with mouse and key events.
#include "mainwindow.h"
#include "pairtable.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

QStringList toStringList(const TextList &list)
{
    QStringList texts;
    for (const std::string &text : list) {
        texts << QString::fromStdString(text);
    }
    return texts;
}

const QStringList titles = toStringList(ExerciseContent::builtIn().titles());
const QStringList authors = toStringList(ExerciseContent::builtIn().authors());

// The title and the author of the pair with that key.
QString titleOfKey(int key)
{
    return titles[pairsByKey[static_cast<std::size_t>(key)].title];
}

QString authorOfKey(int key)
{
    return authors[pairsByKey[static_cast<std::size_t>(key)].author];
}

QStringList rowTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}

int rowOf(const QListWidget *list, const QString &text)
{
    return static_cast<int>(rowTexts(list).indexOf(text));
}

QStringList blankColumn()
{
    return QStringList(14, QStringLiteral(" "));
}

// The highlighted row as the pupil sees it, or -1.
int highlightedRow(const QListWidget *list)
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFresh();
    void rightPairWritesLetterAndRemovesRows();
    void wrongPairClearsBothHighlights();
    void checkWithOneSelectionChangesNothing_data();
    void checkWithOneSelectionChangesNothing();
    void clearRestoresOpeningStateMidway();
    void acronymHighlightStaysUntilClear();
    void fullSolveByMouse();
    void fullSolveByKeyboard();
    void instructionsCannotBeEdited();
    void geometryFollowsLayoutTable_data();
    void geometryFollowsLayoutTable();
    void coloursShowInRenderedImage_data();
    void coloursShowInRenderedImage();
    void everyControlUsesTimesNewRoman();
    void windowCannotBeResized();
    void controlsHaveAccessibleNames_data();
    void controlsHaveAccessibleNames();
    void acronymRowsAreSpoken();

private:
    template <typename T> T *control(const QString &name) const
    {
        auto *widget = window->findChild<T *>(name);
        if (!widget) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }
    QListWidget *titleList() const { return control<QListWidget>("List1(0)"); }
    QListWidget *authorList() const { return control<QListWidget>("List1(1)"); }
    QListWidget *acronymList() const { return control<QListWidget>("List3"); }
    QPushButton *button(int index) const
    {
        return control<QPushButton>(QStringLiteral("Command1(%1)").arg(index));
    }
    void clickRow(QListWidget *list, int row);
    void clickButton(int index);
    void chooseByMouse(const QString &title, const QString &author);
    void expectOpeningLists();

    std::unique_ptr<MainWindow> window;
};

void MainWindowTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void MainWindowTest::cleanup()
{
    window.reset();
}

void MainWindowTest::clickRow(QListWidget *list, int row)
{
    QVERIFY(row >= 0 && row < list->count());
    list->scrollToItem(list->item(row));
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void MainWindowTest::clickButton(int index)
{
    QTest::mouseClick(button(index), Qt::LeftButton);
}

void MainWindowTest::chooseByMouse(const QString &title, const QString &author)
{
    clickRow(titleList(), rowOf(titleList(), title));
    clickRow(authorList(), rowOf(authorList(), author));
    clickButton(0);
}

void MainWindowTest::expectOpeningLists()
{
    QCOMPARE(rowTexts(titleList()), titles);
    QCOMPARE(rowTexts(authorList()), authors);
    QCOMPARE(rowTexts(acronymList()), blankColumn());
    QCOMPARE(highlightedRow(titleList()), -1);
    QCOMPARE(highlightedRow(authorList()), -1);
    QCOMPARE(highlightedRow(acronymList()), -1);
}

void MainWindowTest::opensFresh()
{
    expectOpeningLists();
    const auto *text = control<QPlainTextEdit>("Text1(0)");
    QCOMPARE(text->verticalScrollBar()->value(), 0);
    QVERIFY(text->verticalScrollBar()->maximum() > 0); // the text is longer than the box
    QVERIFY(text->toPlainText().startsWith("Абревиатура"));
    QCOMPARE(text->toPlainText().count('\n'), 5);
    QVERIFY(text->toPlainText().contains("Тема на проекта: ЦУНО - абревиатура, акроним.\n"));
    QCOMPARE(QApplication::focusWidget(), text);
    QCOMPARE(window->windowTitle(), "https://zunovar.example/ ЦУНО - съставяне на акроним");
    QCOMPARE(window->objectName(), "Zunovar");
    // The built-in icon is the same picture as the 32 x 32 PNG that desktops get.
    const QImage icon = window->windowIcon().pixmap(32, 32).toImage();
    const QImage png(QStringLiteral(ZUNOVAR_ICON_PNG));
    QCOMPARE(window->windowIcon().availableSizes().value(0), QSize(32, 32));
    QVERIFY(!png.isNull());
    // Premultiplied, so that fully transparent pixels compare equal whatever colour they carry.
    QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32_Premultiplied),
             png.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void MainWindowTest::rightPairWritesLetterAndRemovesRows()
{
    clickRow(titleList(), 3);  // "Бай Ганьо"
    clickRow(authorList(), 1); // "Алеко Константинов"
    QCOMPARE(highlightedRow(titleList()), 3);
    QCOMPARE(highlightedRow(authorList()), 1);
    clickButton(0);

    QStringList column = blankColumn();
    column[2] = "Б";
    QCOMPARE(rowTexts(acronymList()), column);
    QStringList expectedTitles = titles;
    expectedTitles.removeAt(3);
    QStringList expectedAuthors = authors;
    expectedAuthors.removeAt(1);
    QCOMPARE(rowTexts(titleList()), expectedTitles);
    QCOMPARE(rowTexts(authorList()), expectedAuthors);
    // Removing a highlighted row must not pass the highlight to its neighbour.
    QCOMPARE(highlightedRow(titleList()), -1);
    QCOMPARE(highlightedRow(authorList()), -1);
    QCOMPARE(window->board().titleSelection(), -1);
    QCOMPARE(window->board().authorSelection(), -1);
}

void MainWindowTest::wrongPairClearsBothHighlights()
{
    clickRow(titleList(), 3);  // "Бай Ганьо"
    clickRow(authorList(), 0); // "Агата Кристи"
    clickButton(0);
    expectOpeningLists();
    QCOMPARE(window->board().titleSelection(), -1);
    QCOMPARE(window->board().authorSelection(), -1);

    // The lists still answer after a wrong pair.
    chooseByMouse("Бай Ганьо", "Алеко Константинов");
    QCOMPARE(acronymList()->item(2)->text(), "Б");
}

void MainWindowTest::checkWithOneSelectionChangesNothing_data()
{
    QTest::addColumn<int>("titleRow");
    QTest::addColumn<int>("authorRow");
    QTest::newRow("nothing") << -1 << -1;
    QTest::newRow("only title") << 3 << -1;
    QTest::newRow("only author") << -1 << 1;
    QTest::newRow("only last author") << -1 << 13;
}

void MainWindowTest::checkWithOneSelectionChangesNothing()
{
    QFETCH(int, titleRow);
    QFETCH(int, authorRow);
    if (titleRow >= 0) {
        clickRow(titleList(), titleRow);
    }
    if (authorRow >= 0) {
        clickRow(authorList(), authorRow);
    }
    clickButton(0);
    QCOMPARE(rowTexts(titleList()), titles);
    QCOMPARE(rowTexts(authorList()), authors);
    QCOMPARE(rowTexts(acronymList()), blankColumn());
    QCOMPARE(highlightedRow(titleList()), titleRow);
    QCOMPARE(highlightedRow(authorList()), authorRow);
}

void MainWindowTest::clearRestoresOpeningStateMidway()
{
    chooseByMouse("Лавина", "Блага Димитрова");
    chooseByMouse("Алхимикът ", "Паулу Коелю");
    clickRow(titleList(), 4);
    clickRow(authorList(), 2);
    QCOMPARE(titleList()->count(), 12);
    clickButton(1);
    expectOpeningLists();
    clickButton(1);
    expectOpeningLists();
}

void MainWindowTest::acronymHighlightStaysUntilClear()
{
    clickRow(acronymList(), 2);
    chooseByMouse("Бай Ганьо", "Алеко Константинов");
    QCOMPARE(acronymList()->item(2)->text(), "Б");
    QCOMPARE(highlightedRow(acronymList()), 2);
    clickRow(acronymList(), 5);
    chooseByMouse("Лавина", "Агата Кристи"); // a wrong pair
    QCOMPARE(highlightedRow(acronymList()), 5);
    clickButton(1);
    QCOMPARE(highlightedRow(acronymList()), -1);
}

void MainWindowTest::fullSolveByMouse()
{
    // From the last key down, so that rows leave from everywhere in the lists.
    for (int key = 13; key >= 0; --key) {
        chooseByMouse(titleOfKey(key), authorOfKey(key));
    }
    QCOMPARE(rowTexts(acronymList()).join(""), "АЗБУЧНАМОЛИТВА");
    QCOMPARE(titleList()->count(), 0);
    QCOMPARE(authorList()->count(), 0);
}

void MainWindowTest::fullSolveByKeyboard()
{
    QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus, control<QPlainTextEdit>("Text1(0)"));
    // In the focused list: to the top, down to the row, and Space to select it
    // (arrows alone do not select the row the list starts on).
    auto pickRow = [](QListWidget *list, int row) {
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < row; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(highlightedRow(list), row);
    };
    for (int key = 0; key < 14; ++key) {
        if (key == 0) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } else {
            // From "Избрах" the title list is two steps back.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        }
        pickRow(titleList(), rowOf(titleList(), titleOfKey(key)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        pickRow(authorList(), rowOf(authorList(), authorOfKey(key)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(0));
        QTest::keyClick(button(0), Qt::Key_Space);
        QCOMPARE(titleList()->count(), 13 - key);
    }
    QCOMPARE(rowTexts(acronymList()).join(""), "АЗБУЧНАМОЛИТВА");

    // "Чисти" is reached by keyboard too: past the acronym column.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), acronymList());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button(1));
    QTest::keyClick(button(1), Qt::Key_Space);
    expectOpeningLists();
}

void MainWindowTest::instructionsCannotBeEdited()
{
    auto *text = control<QPlainTextEdit>("Text1(0)");
    const QString before = text->toPlainText();
    QTest::keyClicks(text, "xyz");
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text->toPlainText(), before);
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void MainWindowTest::geometryFollowsLayoutTable_data()
{
    // Positions and sizes in twips, 15 to a pixel.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Label1(0)") << "Label1(0)" << QRect(2040, 0, 4575, 375);
    QTest::newRow("Command1(0)") << "Command1(0)" << QRect(120, 120, 1335, 285);
    QTest::newRow("Command1(1)") << "Command1(1)" << QRect(7080, 120, 1335, 285);
    QTest::newRow("Label1(1)") << "Label1(1)" << QRect(120, 480, 4095, 375);
    QTest::newRow("Label1(2)") << "Label1(2)" << QRect(4320, 480, 3135, 375);
    QTest::newRow("Label1(3)") << "Label1(3)" << QRect(7560, 480, 1095, 375);
    QTest::newRow("List1(0)") << "List1(0)" << QRect(120, 840, 4095, 2055);
    QTest::newRow("List1(1)") << "List1(1)" << QRect(4320, 840, 3135, 2055);
    QTest::newRow("List3") << "List3" << QRect(7560, 840, 1095, 2055);
    QTest::newRow("Text1(0)") << "Text1(0)" << QRect(120, 3000, 8535, 2295);
}

void MainWindowTest::geometryFollowsLayoutTable()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
    QCOMPARE(control<QWidget>(name)->geometry(), pixels);
    QCOMPARE(window->size(), QSize(8745 / 15, 5400 / 15));
}

void MainWindowTest::coloursShowInRenderedImage_data()
{
    QTest::addColumn<QPoint>("point"); // in the window, in twips
    QTest::addColumn<QColor>("colour");
    const QColor lavender(192, 192, 255);
    const QColor orange(255, 192, 128);
    QTest::newRow("window, top left") << QPoint(30, 30) << lavender;
    QTest::newRow("window, between buttons") << QPoint(1700, 300) << lavender;
    QTest::newRow("window, above text") << QPoint(4000, 2950) << lavender;
    QTest::newRow("window, bottom right") << QPoint(8730, 5385) << lavender;
    QTest::newRow("heading") << QPoint(2100, 30) << orange;
    QTest::newRow("label Роман") << QPoint(180, 510) << orange;
    QTest::newRow("label Автор") << QPoint(7400, 820) << orange;
    QTest::newRow("label Анаграма") << QPoint(8600, 510) << orange;
    QTest::newRow("button Избрах") << QPoint(200, 200) << QColor(128, 255, 128);
    QTest::newRow("button Чисти") << QPoint(8350, 350) << QColor(255, 128, 128);
}

void MainWindowTest::coloursShowInRenderedImage()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    QWidget *elsewhere = control<QListWidget>("List3");
    elsewhere->setFocus(); // a focused button draws its frame thicker, not its fill
    const QImage image = window->grab().toImage();
    QCOMPARE(image.pixelColor(point / 15), colour);
}

void MainWindowTest::everyControlUsesTimesNewRoman()
{
    const QList<QWidget *> controls =
        window->findChildren<QWidget *>(QRegularExpression("^(Label1|Command1|List1|List3|Text1)"));
    QCOMPARE(controls.size(), 10);
    for (const QWidget *widget : controls) {
        const QFont font = widget->font();
        QCOMPARE(font.family(), "Times New Roman");
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Normal);
        // Without the font itself, fontconfig's metric-compatible serif stands in.
        const QString resolved = QFontInfo(font).family();
        QVERIFY2(resolved == "Times New Roman" || resolved == "Liberation Serif",
                 qPrintable(widget->objectName() + " resolves to " + resolved));
    }
}

void MainWindowTest::windowCannotBeResized()
{
    const QSize fixed(583, 360);
    QCOMPARE(window->minimumSize(), fixed);
    QCOMPARE(window->maximumSize(), fixed);
    window->resize(800, 600);
    QCOMPARE(window->size(), fixed);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
}

void MainWindowTest::controlsHaveAccessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("titles") << "List1(0)"
                            << "Роман" << QAccessible::List;
    QTest::newRow("authors") << "List1(1)"
                             << "Автор" << QAccessible::List;
    QTest::newRow("acronym") << "List3"
                             << "Анаграма" << QAccessible::List;
    QTest::newRow("instructions") << "Text1(0)"
                                  << "Указания" << QAccessible::EditableText;
    QTest::newRow("check") << "Command1(0)"
                           << "Избрах" << QAccessible::Button;
    QTest::newRow("clear") << "Command1(1)"
                           << "Чисти" << QAccessible::Button;
    QTest::newRow("heading") << "Label1(0)"
                             << "ЦУНО - абревиатура, акроним" << QAccessible::StaticText;
}

void MainWindowTest::controlsHaveAccessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    QFETCH(QAccessible::Role, role);
    QAccessibleInterface *accessible =
        QAccessible::queryAccessibleInterface(control<QWidget>(name));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
    QCOMPARE(accessible->role(), role);
}

void MainWindowTest::acronymRowsAreSpoken()
{
    QAccessibleInterface *column = QAccessible::queryAccessibleInterface(acronymList());
    QVERIFY(column);
    QCOMPARE(column->childCount(), 14);
    QCOMPARE(column->child(2)->text(QAccessible::Name), "празен ред");
    chooseByMouse("Бай Ганьо", "Алеко Константинов");
    QCOMPARE(column->child(2)->text(QAccessible::Name), "Б");
    QCOMPARE(column->child(3)->text(QAccessible::Name), "празен ред");
    clickButton(1);
    QCOMPARE(column->child(2)->text(QAccessible::Name), "празен ред");
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
