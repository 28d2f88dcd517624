#include "ui/credits_window/credits.h"
#include "ui/main_window/velmarin.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Does `answer` to the question once it is up, since closing blocks until it is answered.
void whenAsked(std::function<void(QMessageBox &)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(question);
        answer(*question);
    });
}

QList<credits *> creditsWindows()
{
    QList<credits *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *c = qobject_cast<credits *>(w); c && c->isVisible())
            found << c;
    return found;
}

} // namespace

// Qt 5 takes as test data only types declared to it.
Q_DECLARE_METATYPE(std::function<void(QMessageBox &)>)

class QuitQuestionTest : public QObject
{
    Q_OBJECT

    QPointer<velmarin> window;

private slots:
    void init()
    {
        window = new velmarin;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    void cleanup()
    {
        delete window;
        qDeleteAll(creditsWindows());
    }

    void asksPlainlyWithTheApplicationTitle()
    {
        QApplication::setApplicationName("orvandel");
        whenAsked([](QMessageBox &question) {
            QCOMPARE(question.text(), "Do you want to quit this program");
            QCOMPARE(question.windowTitle(), "orvandel");
            QCOMPARE(question.icon(), QMessageBox::NoIcon);
            QCOMPARE(question.standardButtons(), QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(question.defaultButton(), question.button(QMessageBox::Yes));
            QCOMPARE(question.windowModality(), Qt::ApplicationModal);
            question.button(QMessageBox::No)->click();
        });
        QVERIFY(!window->close());
    }

    void anythingButYesKeepsTheWindowAsItWas_data()
    {
        QTest::addColumn<std::function<void(QMessageBox &)>>("answer");
        QTest::newRow("No") << std::function<void(QMessageBox &)>(
            [](QMessageBox &q) { q.button(QMessageBox::No)->click(); });
        QTest::newRow("Escape") << std::function<void(QMessageBox &)>(
            [](QMessageBox &q) { QTest::keyClick(&q, Qt::Key_Escape); });
        QTest::newRow("closing the question") << std::function<void(QMessageBox &)>(
            [](QMessageBox &q) { q.close(); });
    }

    void anythingButYesKeepsTheWindowAsItWas()
    {
        QFETCH(std::function<void(QMessageBox &)>, answer);
        auto *second = window->findChild<QLineEdit *>("Text2");
        second->setFocus();
        QTest::keyClicks(second, " typed");
        second->setCursorPosition(3);
        QStringList before;
        for (auto *box : window->findChildren<QLineEdit *>())
            before << box->text();

        for (int attempt = 0; attempt < 2; ++attempt) { // asks again every time
            whenAsked(answer);
            QVERIFY(!window->close());
        }

        QVERIFY(window && window->isVisible());
        QStringList after;
        for (auto *box : window->findChildren<QLineEdit *>())
            after << box->text();
        QCOMPARE(after, before);
        QCOMPARE(window->focusWidget(), second); // where the focus returns
        QCOMPARE(second->cursorPosition(), 3);
        QVERIFY(creditsWindows().isEmpty());
    }

    void yesHandsOverToTheCredits_data()
    {
        QTest::addColumn<std::function<void(QMessageBox &)>>("answer");
        QTest::newRow("Yes") << std::function<void(QMessageBox &)>(
            [](QMessageBox &q) { q.button(QMessageBox::Yes)->click(); });
        QTest::newRow("Enter takes the default") << std::function<void(QMessageBox &)>(
            [](QMessageBox &q) { QTest::keyClick(&q, Qt::Key_Return); });
    }

    void yesHandsOverToTheCredits()
    {
        QFETCH(std::function<void(QMessageBox &)>, answer);
        whenAsked(answer);
        QVERIFY(window->close());
        QTRY_VERIFY(!window); // destroyed, not just hidden
        const auto shown = creditsWindows();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first()->parentWidget(), nullptr);
        QVERIFY(!shown.first()->isModal());
    }
};

QTEST_MAIN(QuitQuestionTest)
#include "quit_question_test.moc"
