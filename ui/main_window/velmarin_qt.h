#pragma once

#include "ui/main_window/date_entry.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

class QLabel;
class QLineEdit;

// The main window: two date boxes and, below them, the four differences.
class velmarin : public QWidget
{
    Q_OBJECT

public:
    explicit velmarin(QWidget *parent = nullptr);

    // Writes the differences of the dates in Text1 and Text2 into Text3..Text6 and returns
    // them; when either box holds no date, writes back their initial texts and returns nothing.
    std::optional<calc::difference_texts> difference();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Text1_KeyPress();
    void Text2_KeyPress();
    bool Form_Unload();
    void describeDateBoxes(std::size_t focusTo, const std::optional<calc::difference_texts> &calculated);

    const date_entry dates; // built once: the locale's names and formats

    QSize formSize;    // the client area as designed, grown with the desktop's text
    QPoint formOffset; // where the controls' designed positions now start

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
};
