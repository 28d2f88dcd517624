#include "ui/credits_window/credits_qt.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

// What the user does to the credits window.
using Action = std::function<void(credits &)>;

// Runs the application's event loop until the credits window ends it, or a
// watchdog does. Returns the exit code.
int runUntilEnded(credits &window, std::function<void()> userAction)
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(8000);
    QTimer::singleShot(0, &window, userAction);
    return QCoreApplication::exec();
}

} // namespace

// Qt 5 takes as test data only types declared to it.
Q_DECLARE_METATYPE(Action)

class CreditsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void looksAsDesigned()
    {
        credits window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), "program by Ferrowby");
        QCOMPARE(window.size(), QSize(595, 520));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        // One picture, which a screen reader names and describes as it takes the focus.
        const auto children = window.findChildren<QWidget *>();
        QCOMPARE(children.size(), 1);
        QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(children.first());
        QCOMPARE(picture->role(), QAccessible::Graphic);
        QCOMPARE(picture->text(QAccessible::Name), "Moons over a lake at sunset");
        QVERIFY(picture->text(QAccessible::Description).startsWith("The phases of the moon"));
        QCOMPARE(children.first()->focusPolicy(), Qt::StrongFocus);
    }

    void picturePaintedAtItsOwnSizeAndCutOff()
    {
        credits window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shown = window.grab().toImage();
        QSvgRenderer picture(QStringLiteral(":/credits.svg"));
        QCOMPARE(picture.defaultSize(), QSize(932, 899));
        QImage whole(picture.defaultSize(), QImage::Format_ARGB32_Premultiplied);
        whole.fill(window.palette().window().color());
        QPainter painter(&whole);
        picture.render(&painter);
        painter.end();
        const QImage visiblePart = whole.copy(0, 0, 595, 520).convertToFormat(shown.format());
        // Equal but for anti-aliasing where the window's edge cuts the picture.
        int worst = 0;
        for (int y = 0; y < visiblePart.height(); ++y) {
            for (int x = 0; x < visiblePart.width(); ++x) {
                const QColor a = shown.pixelColor(x, y), b = visiblePart.pixelColor(x, y);
                worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                  std::abs(a.blue() - b.blue())});
            }
        }
        QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
    }

    void endsTheProgram_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<qint64>("noSoonerThan");
        QTest::addColumn<qint64>("noLaterThan");

        auto key = [](Qt::Key k) { return [k](credits &w) { QTest::keyPress(&w, k); }; };
        auto click = [](credits &w) { QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(500, 400)); };
        QTest::newRow("a click") << Action(click) << qint64(0) << qint64(2000);
        QTest::newRow("Shift alone") << Action(key(Qt::Key_Shift)) << qint64(0) << qint64(2000);
        QTest::newRow("an arrow") << Action(key(Qt::Key_Left)) << qint64(0) << qint64(2000);
        QTest::newRow("F1") << Action(key(Qt::Key_F1)) << qint64(0) << qint64(2000);
        QTest::newRow("Tab") << Action(key(Qt::Key_Tab)) << qint64(0) << qint64(2000);
        QTest::newRow("closing it") << Action([](credits &w) { w.close(); }) << qint64(0) << qint64(2000);
        QTest::newRow("nothing: the timer") << Action([](credits &) {})
                                            << qint64(4900) << qint64(7000);
    }

    void endsTheProgram()
    {
        QFETCH(Action, action);
        QFETCH(qint64, noSoonerThan);
        QFETCH(qint64, noLaterThan);
        QElapsedTimer clock;
        clock.start();
        credits window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(runUntilEnded(window, [&window, action] { action(window); }), 0);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= noSoonerThan && elapsed <= noLaterThan, qPrintable(QString::number(elapsed)));
    }
};

QTEST_MAIN(CreditsWindowTest)
#include "credits_qt_test.moc"
