#include "ui/credits_window/credits_qt.h"

#include "ui/credits_window/credits_design.h"
#include "ui/designed_size_qt.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTimer>

credits::credits(QWidget *parent)
    : QWidget(parent)
    , picture(new QLabel(this))
    , Timer1(new QTimer(this))
{
    setWindowTitle(QString::fromLatin1(credits_design::caption));
    // A larger window shows more of the picture; Qt counts in pixels of 96 dots per inch.
    setDesignedSize(*this, QSize(pixels(credits_design::client_width, 96),
                                 pixels(credits_design::client_height, 96)));

    // The picture is built into this static library, where no linker keeps it
    // unless it is asked for by name.
    Q_INIT_RESOURCE(credits_qt);
    QSvgRenderer drawing(QStringLiteral(":/credits.svg"));
    // At its own size from the top-left corner, in the screen's own pixels: the
    // window cuts it off, it is never shrunk.
    const qreal ratio = devicePixelRatioF();
    QPixmap drawn(drawing.defaultSize() * ratio);
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    drawing.render(&painter, QRectF(QPointF(0, 0), drawing.defaultSize()));
    painter.end();
    picture->setPixmap(drawn);
    picture->setGeometry(QRect(QPoint(0, 0), drawing.defaultSize()));
    picture->setAccessibleName(QString::fromLatin1(credits_design::picture_name));
    picture->setAccessibleDescription(QString::fromLatin1(credits_design::picture_description));
    // With the focus, the picture is what a screen reader says; it leaves every
    // key and click to the window.
    picture->setFocusPolicy(Qt::StrongFocus);

    // A coarse timer may fire up to 5% early, a quarter of a second short.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Timer1->setInterval(credits_design::timer_interval_ms);
    connect(Timer1, &QTimer::timeout, this, &credits::Timer1_Timer);
    Timer1->start();
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
