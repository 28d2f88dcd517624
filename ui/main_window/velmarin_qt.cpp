#include "ui/main_window/velmarin_qt.h"

#include "locale_dates/locale_vocabulary_qt.h"
#include "locale_dates/lower_case_qt.h"
#include "ui/credits_window/credits_qt.h"
#include "ui/designed_size_qt.h"
#include "ui/main_window/accessible_box_qt.h"
#include "ui/main_window/velmarin_design.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QDate>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <tuple>

namespace {

namespace design = velmarin_design;

// Qt counts in pixels of 96 dots per inch and scales them to the screen itself.
constexpr int px(int twips, text_size text)
{
    return pixels(twips, 96, text);
}

std::pair<QLabel *, QLineEdit *> placePair(QWidget *window, int n, text_size text)
{
    const auto &pair = design::boxes[static_cast<std::size_t>(n - 1)];
    auto *label = new QLabel(QString::fromLatin1(pair.heading), window);
    label->setObjectName(QStringLiteral("Label%1").arg(n));
    label->setGeometry(px(design::left, text), px(pair.label_top, text), px(design::width, text),
                       px(design::label_height, text));
    // Created after its label so that it overlaps the label's lower edge, not the other way round.
    auto *box = new QLineEdit(QString::fromLatin1(pair.initial), window);
    box->setObjectName(QStringLiteral("Text%1").arg(n));
    box->setGeometry(px(design::left, text), px(pair.label_top + design::box_below_label, text),
                     px(design::width, text), px(design::box_height, text));
    box->setAccessibleDescription(QString::fromLatin1(pair.description));
    label->setBuddy(box); // names the box for screen readers
    return {label, box};
}

// Return, keypad Enter and Ctrl+M all type a carriage return.
bool typesCarriageReturn(const QKeyEvent &key)
{
    const auto modifiers = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return modifiers == Qt::NoModifier;
    return (key.key() == Qt::Key_M && modifiers == Qt::ControlModifier) || key.text() == QLatin1String("\r");
}

std::u16string_view asUtf16(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The user's local date, in the system's time zone.
calc::civil_date today()
{
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

} // namespace

velmarin::velmarin(QWidget *parent)
    : QWidget(parent)
    , dates(localeVocabulary(QLocale()),
            [locale = QLocale()](std::u16string_view text) { return lowerCasedForDates(text, locale); })
{
    setWindowTitle(QString::fromLatin1(design::caption));
    const text_size text = desktopTextSize(*this);
    formSize = QSize(px(design::client_width, text), px(design::client_height, text));
    setDesignedSize(*this, formSize);
    // Before the boxes exist: Qt makes a box's interface once, as it is first asked for.
    QAccessible::installFactory(accessible_box::factory);

    std::tie(Label1, Text1) = placePair(this, 1, text);
    std::tie(Label2, Text2) = placePair(this, 2, text);
    std::tie(Label3, Text3) = placePair(this, 3, text);
    std::tie(Label4, Text4) = placePair(this, 4, text);
    std::tie(Label5, Text5) = placePair(this, 5, text);
    std::tie(Label6, Text6) = placePair(this, 6, text);

    // Results stay focusable and selectable, so they can be copied and read aloud.
    for (QLineEdit *result : {Text3, Text4, Text5, Text6})
        result->setReadOnly(true);

    Text1->installEventFilter(this);
    Text2->installEventFilter(this);
    // Selected as Tab selects it, so that typing replaces the prompt.
    Text1->selectAll();
    Text1->setFocus();
}

// Enter never reaches a date box: it is swallowed and handled here.
bool velmarin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && typesCarriageReturn(static_cast<const QKeyEvent &>(*event))) {
        if (watched == Text1) {
            Text1_KeyPress();
            return true;
        }
        if (watched == Text2) {
            Text2_KeyPress();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Enter calculates when both boxes hold dates and always moves to the other box, its whole text
// selected before the focus arrives, as a screen reader then reads it.
void velmarin::Text1_KeyPress()
{
    describeDateBoxes(2, difference());
    Text2->selectAll();
    Text2->setFocus(Qt::OtherFocusReason);
}

void velmarin::Text2_KeyPress()
{
    describeDateBoxes(1, difference());
    Text1->selectAll();
    Text1->setFocus(Qt::OtherFocusReason);
}

std::optional<calc::difference_texts> velmarin::difference()
{
    const QString first = Text1->text(), second = Text2->text();
    auto texts = dates.results(asUtf16(first), asUtf16(second), today());
    QLineEdit *const results[] = {Text3, Text4, Text5, Text6};
    for (std::size_t n = 0; const auto &shown : date_entry::shown(texts))
        results[n++]->setText(QString::fromStdString(shown));
    return texts;
}

// Before the focus moves: see date_entry::descriptions.
void velmarin::describeDateBoxes(std::size_t focusTo, const std::optional<calc::difference_texts> &calculated)
{
    const auto said = date_entry::descriptions(focusTo, calculated);
    Text1->setAccessibleDescription(QString::fromStdString(said[0]));
    Text2->setAccessibleDescription(QString::fromStdString(said[1]));
}

// Only a window the compositor maximized is larger than the form, which then
// keeps its layout in the middle instead of hugging a corner.
void velmarin::resizeEvent(QResizeEvent *event)
{
    const QSize spare = event->size() - formSize;
    const QPoint offset(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2));
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) // the quit question is a child too
            child->move(child->pos() + offset - formOffset);
    }
    formOffset = offset;
}

void velmarin::closeEvent(QCloseEvent *event)
{
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

// Every way of closing the window comes through here. Returns whether to close.
bool velmarin::Form_Unload()
{
    // Given no title, it carries the application's, as the platform's boxes do.
    QMessageBox question(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                         QString::fromLatin1(design::quit_question), QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    question.setEscapeButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return false;

    auto *ending = new credits; // no owner: it outlives this window
    ending->setAttribute(Qt::WA_DeleteOnClose);
    // Centred on this window's screen: too large to let it fall where a window manager likes.
    if (!compositorPlacesWindows())
        centre(*ending, screen()->availableGeometry());
    ending->show();
    return true;
}
