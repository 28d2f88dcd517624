#include "ui/main_window/accessible_box_qt.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace {

// Qt 6 counts in qsizetype, Qt 5 and the accessibility interfaces in int; a line edit holds at most 32767.
int length(const QString &text)
{
    return static_cast<int>(text.size());
}

} // namespace

QAccessibleInterface *accessible_box::factory(const QString &className, QObject *object)
{
    auto *box = qobject_cast<QLineEdit *>(object);
    return box && className == QLatin1String("QLineEdit") ? new accessible_box(box) : nullptr;
}

accessible_box::accessible_box(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QLineEdit *accessible_box::box() const
{
    return static_cast<QLineEdit *>(widget());
}

void *accessible_box::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State accessible_box::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !box()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString accessible_box::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
}

void accessible_box::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        box()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

// A line edit has one selection at most: index 0.
void accessible_box::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box()->hasSelectedText()) {
        *startOffset = box()->selectionStart();
        *endOffset = *startOffset + length(box()->selectedText());
    }
}

int accessible_box::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void accessible_box::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void accessible_box::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void accessible_box::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int accessible_box::cursorPosition() const
{
    return box()->cursorPosition();
}

void accessible_box::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString accessible_box::text(int startOffset, int endOffset) const
{
    return startOffset > endOffset ? QString() : box()->text().mid(startOffset, endOffset - startOffset);
}

int accessible_box::characterCount() const
{
    return length(box()->text());
}

// Measured from the text cursor, the one place a line edit tells where its scrolled text stands.
QRect accessible_box::characterRect(int offset) const
{
    const QString text = box()->text();
    if (offset < 0 || offset >= length(text))
        return {};
    const QFontMetrics metrics(box()->font());
    const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = cursor.center().x() + metrics.horizontalAdvance(text.left(offset))
                - metrics.horizontalAdvance(text.left(box()->cursorPosition()));
    const QRect character(x, cursor.top(), metrics.horizontalAdvance(text.at(offset)), cursor.height());
    return character.translated(box()->mapToGlobal(QPoint(0, 0)));
}

int accessible_box::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void accessible_box::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString accessible_box::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void accessible_box::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void accessible_box::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void accessible_box::replaceText(int startOffset, int endOffset, const QString &text)
{
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}
