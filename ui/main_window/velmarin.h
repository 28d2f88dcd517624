#pragma once

#include "calc/date_text.h"

#include <QLocale>
#include <QPoint>
#include <QWidget>

#include <optional>

class QKeyEvent;
class QLabel;
class QLineEdit;

// The main window: two date boxes and, below them, the four differences.
class velmarin : public QWidget
{
    Q_OBJECT

public:
    explicit velmarin(QWidget *parent = nullptr);

    // Writes the differences of the dates in Text1 and Text2 into Text3..Text6.
    void difference();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool Text1_KeyPress(const QKeyEvent &key);
    bool Text2_KeyPress(const QKeyEvent &key);
    bool dateBoxKeyPress(const QKeyEvent &key, QLineEdit *other);
    bool Form_Unload();
    std::optional<calc::civil_date> dateIn(const QLineEdit &box) const;

    const QLocale locale;
    const calc::date_recognizer dates; // built once: the locale's names and formats

    QPoint formOffset; // where the controls' designed positions now start

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
};
