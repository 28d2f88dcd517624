#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The last window: shows the author and a picture, and ends the program at
// the first click, key or after five seconds.
class credits : public QWidget
{
    Q_OBJECT

public:
    explicit credits(QWidget *parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void Form_Click();
    void Form_KeyDown();
    void Timer1_Timer();
    static void endProgram();

    QLabel *picture;
    QTimer *Timer1;
};
