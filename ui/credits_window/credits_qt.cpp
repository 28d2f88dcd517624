#include "ui/credits_window/credits_qt.h"

#include "ui/credits_window/credits_design.h"
#include "ui/designed_size_qt.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

credits::credits(QWidget *parent)
    : QWidget(parent)
    , Timer1(new QTimer(this))
{
    // The picture is built into this static library, where no linker keeps it
    // unless it is asked for by name.
    Q_INIT_RESOURCE(credits_qt);
    picture.load(QStringLiteral(":/credits.svg"));
    setWindowTitle(QString::fromLatin1(credits_design::caption));
    // A larger window shows more of the picture; Qt counts in pixels of 96 dots per inch.
    setDesignedSize(*this, QSize(pixels(credits_design::client_width, 96),
                                 pixels(credits_design::client_height, 96)));
    // No control here can take the focus, so the window takes it itself.
    setFocusPolicy(Qt::StrongFocus);

    // A coarse timer may fire up to 5% early, a quarter of a second short.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Timer1->setInterval(credits_design::timer_interval_ms);
    connect(Timer1, &QTimer::timeout, this, &credits::Timer1_Timer);
    Timer1->start();
}

void credits::paintEvent(QPaintEvent *)
{
    // At its own size from the top-left corner: the window cuts it off, it is never shrunk.
    QPainter painter(this);
    picture.render(&painter, QRectF(QPointF(0, 0), picture.defaultSize()));
}

void credits::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->pos()))
        Form_Click();
}

void credits::keyPressEvent(QKeyEvent *)
{
    Form_KeyDown();
}

// Tab must end the program like any other key, not look for a next control.
bool credits::focusNextPrevChild(bool)
{
    return false;
}

void credits::Form_Click()
{
    endProgram();
}

void credits::Form_KeyDown()
{
    endProgram();
}

void credits::Timer1_Timer()
{
    endProgram();
}

void credits::endProgram()
{
    QCoreApplication::exit(0);
}
