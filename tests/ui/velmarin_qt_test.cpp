#include "ui/main_window/velmarin_qt.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// Qt's own family and, at 9 points, the text the design was laid out for.
QFont standardFont(int points = 9)
{
    return {QStringLiteral("Sans Serif"), points};
}

// The same, made at that DPI: a font keeps it, as the desktop's does on Wayland (100 there).
QFont madeAt(int dpi, int points)
{
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(qRound(dpi / 0.0254));
    device.setDotsPerMeterY(qRound(dpi / 0.0254));
    return {standardFont(points), &device};
}

const QStringList initialTexts{"enter a date", "ENTER A DATE", "days difference",
                               "WEEKS DIFFERENCE", "MONTHS DIFFERENCE", "YEARS DIFFERENCE"};

QLineEdit *box(QWidget &window, int n)
{
    return window.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n));
}

QStringList results(QWidget &window)
{
    return {box(window, 3)->text(), box(window, 4)->text(), box(window, 5)->text(), box(window, 6)->text()};
}

// Replaces a box's text the way a person does: select everything, then type.
void typeInto(QLineEdit *edit, const QString &text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

} // namespace

Q_DECLARE_METATYPE(Key)

class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<velmarin> window;

    void open()
    {
        window = std::make_unique<velmarin>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c()); // whatever the machine's locale
        QApplication::setFont(standardFont()); // and its desktop's text
        open();
    }
    void cleanup() { window.reset(); }

    void startsAsDesigned_data()
    {
        QTest::addColumn<int>("points"); // of the desktop's text, in Qt's default family
        QTest::addColumn<int>("dpi"); // the font was made at
        QTest::newRow("Qt's default text") << 9 << 96;
        QTest::newRow("Qt's default text made at 100 DPI") << 9 << 100;
        QTest::newRow("smaller text keeps the design") << 7 << 96;
        QTest::newRow("14 points grow it") << 14 << 96; // which fits the 800x600 screen of Qt 5 off screen
    }

    void startsAsDesigned()
    {
        QFETCH(int, points);
        QFETCH(int, dpi);
        QApplication::setFont(madeAt(dpi, points));
        open();
        // As designed, but grown by as much as the boxes' text, as they draw it, is taller than the standard.
        const QLineEdit *drawn = box(*window, 1);
        const double growth =
            std::max(1.0, 1.0 * drawn->fontMetrics().height() / QFontMetrics(standardFont(), drawn).height());
        const auto grown = [growth](QRect r) { return QRect(r.topLeft() * growth, r.size() * growth); };
        QCOMPARE(window->windowTitle(), "DATE DIFFERENCE");
        QCOMPARE(window->size(), grown(QRect(0, 0, 233, 348)).size());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QStringList headings{"ENTER A DATE", "ENTER A DATE", "DAYS DIFFERENCE",
                                   "WEEKS DIFFERENCE", "MONTHS DIFFERENCE", "YEARS DIFFERENCE"};
        const int labelTops[] = {8, 56, 120, 176, 232, 288};
        for (int n = 1; n <= 6; ++n) {
            auto *label = window->findChild<QLabel *>(QStringLiteral("Label%1").arg(n));
            QVERIFY(label);
            QCOMPARE(label->text(), headings[n - 1]);
            QCOMPARE(label->geometry(), grown(QRect(16, labelTops[n - 1], 201, 17)));
            QCOMPARE(label->buddy(), box(*window, n));
            QCOMPARE(box(*window, n)->text(), initialTexts[n - 1]);
            QCOMPARE(box(*window, n)->geometry(), grown(QRect(16, labelTops[n - 1] + 16, 201, 25)));
            QCOMPARE(box(*window, n)->isReadOnly(), n > 2);
            // Every text whole: the label's as its font measures it, the box's first and last
            // characters where a screen reader finds them.
            const QRect room = label->contentsRect();
            QVERIFY2(room.contains(label->fontMetrics().boundingRect(room, static_cast<int>(label->alignment()), label->text())),
                     qPrintable(label->objectName() + " cuts its text"));
            QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(box(*window, n))->textInterface();
            QVERIFY2(QRect(box(*window, n)->mapToGlobal(QPoint()), box(*window, n)->size())
                         .contains(text->characterRect(0) | text->characterRect(text->characterCount() - 1)),
                     qPrintable(box(*window, n)->objectName() + " cuts its text"));
        }
        QCOMPARE(box(*window, 1)->accessibleDescription(), "first date");
        QCOMPARE(box(*window, 2)->accessibleDescription(), "second date");
        QCOMPARE(QApplication::focusWidget(), box(*window, 1));
        QCOMPARE(box(*window, 1)->selectedText(), "enter a date"); // so that typing replaces it
    }

    // A screen reader builds the line it speaks from the runs of text attributes.
    void oneAttributeRunCoversEachBox()
    {
        typeInto(box(*window, 1), "15 January 2004");
        typeInto(box(*window, 2), "20 March 2004");
        QTest::keyClick(box(*window, 2), Qt::Key_Return); // results of one digit, once read as nothing
        for (int n = 1; n <= 6; ++n) {
            int start = -1, end = -1;
            QAccessible::queryAccessibleInterface(box(*window, n))->textInterface()->attributes(0, &start, &end);
            QCOMPARE(QPair(start, end), QPair(0, static_cast<int>(box(*window, n)->text().size())));
        }
    }

    void tabVisitsTheSixBoxesInOrder()
    {
        for (int n : {2, 3, 4, 5, 6, 1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), box(*window, n));
        }
        QCOMPARE(results(*window), initialTexts.mid(2));
    }

    void enterInADateBox_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("pressedIn");
        QTest::addColumn<Key>("key");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("said"); // after the description of the box the focus moves to

        const Key enter{Qt::Key_Return, Qt::NoModifier};
        const QStringList initial = initialTexts.mid(2);
        const QString janToMar = ". 65 days, 9 weeks, 2 months, 0 years difference";
        QTest::newRow("initial texts: nothing calculated") << "enter a date" << "ENTER A DATE" << 1 << enter << initial << "";
        QTest::newRow("initial texts, from the second box") << "enter a date" << "ENTER A DATE" << 2 << enter << initial << "";
        QTest::newRow("only the first is a date") << "15 January 2004" << "ENTER A DATE" << 1 << enter << initial << "";
        QTest::newRow("only the second is a date") << "enter a date" << "20 March 2004" << 2 << enter << initial << "";
        QTest::newRow("two dates, Enter in the second box")
            << "15 January 2004" << "20 March 2004" << 2 << enter << QStringList{"65", "9", "2", "0"} << janToMar;
        QTest::newRow("keypad Enter")
            << "15 January 2004" << "20 March 2004" << 1 << Key{Qt::Key_Enter, Qt::KeypadModifier} << QStringList{"65", "9", "2", "0"} << janToMar;
        QTest::newRow("Ctrl+M")
            << "15 January 2004" << "20 March 2004" << 1 << Key{Qt::Key_M, Qt::ControlModifier} << QStringList{"65", "9", "2", "0"} << janToMar;
        QTest::newRow("later to earlier: weeks negative")
            << "20 March 2004" << "15 January 2004" << 1 << enter << QStringList{"65", "-9", "2", "0"}
            << ". 65 days, -9 weeks, 2 months, 0 years difference";
        QTest::newRow("31st against 1st is one month")
            << "31 January 2004" << "1 March 2004" << 1 << enter << QStringList{"30", "4", "1", "0"}
            << ". 30 days, 4 weeks, 1 month, 0 years difference";
        QTest::newRow("a day short of a year")
            << "1 January 2004" << "31 December 2004" << 1 << enter << QStringList{"365", "52", "12", "0"}
            << ". 365 days, 52 weeks, 12 months, 0 years difference";
        QTest::newRow("a year across a leap day")
            << "1 March 2003" << "1 March 2004" << 1 << enter << QStringList{"366", "52", "12", "1"}
            << ". 366 days, 52 weeks, 12 months, 1 year difference";
        QTest::newRow("the same date") << "10 June 2004" << "10 June 2004" << 1 << enter << QStringList{"0", "0", "0", "0"}
                                       << ". 0 days, 0 weeks, 0 months, 0 years difference";
        QTest::newRow("ISO dates") << "2004-01-15" << "2004-03-20" << 1 << enter << QStringList{"65", "9", "2", "0"} << janToMar;
        const QString spaces(300, QLatin1Char(' ')); // more than a date may have
        QTest::newRow("a date amid many spaces")
            << spaces + "15 January 2004" + spaces << "20 March 2004" << 2 << enter << QStringList{"65", "9", "2", "0"} << janToMar;
    }

    void enterInADateBox()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, pressedIn);
        QFETCH(Key, key);
        QFETCH(QStringList, expected);
        QFETCH(QString, said);

        typeInto(box(*window, 1), first);
        typeInto(box(*window, 2), second);
        for (int n = 3; n <= 6; ++n)
            box(*window, n)->setText("17"); // of earlier dates: no Enter may leave them
        box(*window, pressedIn)->setFocus();
        QTest::keyClick(box(*window, pressedIn), key.key, key.modifiers);

        QCOMPARE(results(*window), expected);
        QCOMPARE(QApplication::focusWidget(), box(*window, 3 - pressedIn));
        QCOMPARE(box(*window, 3 - pressedIn)->selectedText(), box(*window, 3 - pressedIn)->text());
        // The key itself never lands in a box.
        QCOMPARE(box(*window, 1)->text(), first);
        QCOMPARE(box(*window, 2)->text(), second);
        const QStringList described{"first date", "second date"};
        QCOMPARE(box(*window, 3 - pressedIn)->accessibleDescription(), described[2 - pressedIn] + said);
        QCOMPARE(box(*window, pressedIn)->accessibleDescription(), described[pressedIn - 1]);
    }

    void enterBackAndForthRecalculates()
    {
        typeInto(box(*window, 1), "15 January 2004");
        typeInto(box(*window, 2), "20 March 2004");
        QTest::keyClick(box(*window, 1), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box(*window, 2));
        box(*window, 3)->setText("stale");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(results(*window), (QStringList{"65", "9", "2", "0"}));
        QCOMPARE(QApplication::focusWidget(), box(*window, 1));
    }

    void onlyACarriageReturnCalculates_data()
    {
        QTest::addColumn<Key>("key");
        QTest::newRow("Tab") << Key{Qt::Key_Tab, Qt::NoModifier};
        QTest::newRow("Space") << Key{Qt::Key_Space, Qt::NoModifier};
        QTest::newRow("Ctrl+J, a line feed") << Key{Qt::Key_J, Qt::ControlModifier};
        QTest::newRow("Alt+Return") << Key{Qt::Key_Return, Qt::AltModifier};
    }

    void onlyACarriageReturnCalculates()
    {
        QFETCH(Key, key);
        typeInto(box(*window, 1), "15 January 2004");
        typeInto(box(*window, 2), "20 March 2004");
        QTest::keyClick(box(*window, 2), key.key, key.modifiers);
        QCOMPARE(results(*window), initialTexts.mid(2));
    }

    void editingKeepsTheLastResults()
    {
        typeInto(box(*window, 1), "15 January 2004");
        typeInto(box(*window, 2), "20 March 2004");
        QTest::keyClick(box(*window, 2), Qt::Key_Return);
        typeInto(box(*window, 1), "1 January 2004");
        QCOMPARE(results(*window), (QStringList{"65", "9", "2", "0"}));
        typeInto(box(*window, 2), "not a date");
        QTest::keyClick(box(*window, 2), Qt::Key_Return); // until Enter finds no date
        QCOMPARE(results(*window), initialTexts.mid(2));
        QCOMPARE(box(*window, 1)->accessibleDescription(), "first date"); // nothing to hear
    }

    void numericDatesFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("days");
        QTest::newRow("en_US reads month first") << "en_US" << "1/15/2004" << "3/20/2004" << "65";
        QTest::newRow("C counts as en_US") << "C" << "01/02/2004" << "01/03/2004" << "1";
        QTest::newRow("en_GB reads day first") << "en_GB" << "01/02/2004" << "01/03/2004" << "29";
        QTest::newRow("de_DE reads day first") << "de_DE" << "15.01.2004" << "20.03.2004" << "65";
        QTest::newRow("ja_JP reads year first") << "ja_JP" << "04/01/15" << "04/03/20" << "65";
        QTest::newRow("month names anywhere") << "de_DE" << "15 January 2004" << "March 20, 2004" << "65";
    }

    void numericDatesFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, days);
        QLocale::setDefault(QLocale(locale));
        open();
        typeInto(box(*window, 1), first);
        typeInto(box(*window, 2), second);
        QTest::keyClick(box(*window, 1), Qt::Key_Return);
        QCOMPARE(box(*window, 3)->text(), days);
    }
};

QTEST_MAIN(MainWindowTest)
#include "velmarin_qt_test.moc"
