#include "ui/credits_window/credits_qt.h"
#include "ui/main_window/velmarin_qt.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// How a test answers the question.
using Answer = std::function<void(QMessageBox &)>;

// Does `answer` to the question once it is up, since closing blocks until it is answered.
void whenAsked(Answer answer)
{
    QTimer::singleShot(0, [answer] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(question);
        answer(*question);
    });
}

QStringList boxTexts(const QWidget &window)
{
    QStringList texts;
    for (const auto *box : window.findChildren<QLineEdit *>())
        texts << box->text();
    return texts;
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
Q_DECLARE_METATYPE(Answer)

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
        QTest::addColumn<Answer>("answer");
        QTest::newRow("No") << Answer(
            [](QMessageBox &q) { q.button(QMessageBox::No)->click(); });
        QTest::newRow("Escape") << Answer(
            [](QMessageBox &q) { QTest::keyClick(&q, Qt::Key_Escape); });
        QTest::newRow("closing the question") << Answer(
            [](QMessageBox &q) { q.close(); });
    }

    void anythingButYesKeepsTheWindowAsItWas()
    {
        QFETCH(Answer, answer);
        auto *second = window->findChild<QLineEdit *>("Text2");
        second->setFocus();
        QTest::keyClicks(second, " typed");
        second->setCursorPosition(3);
        const QStringList before = boxTexts(*window);

        for (int attempt = 0; attempt < 2; ++attempt) { // asks again every time
            whenAsked(answer);
            QVERIFY(!window->close());
        }

        QVERIFY(window && window->isVisible());
        QCOMPARE(boxTexts(*window), before);
        QCOMPARE(window->focusWidget(), second); // where the focus returns
        QCOMPARE(second->cursorPosition(), 3);
        QVERIFY(creditsWindows().isEmpty());
    }

    void yesHandsOverToTheCredits_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Yes") << Answer(
            [](QMessageBox &q) { q.button(QMessageBox::Yes)->click(); });
        QTest::newRow("Enter takes the default") << Answer(
            [](QMessageBox &q) { QTest::keyClick(&q, Qt::Key_Return); });
    }

    void yesHandsOverToTheCredits()
    {
        QFETCH(Answer, answer);
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
#include "quit_question_qt_test.moc"
