#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// A line edit as a screen reader reads it: as Qt tells it, but for the runs of
// text attributes. Qt 5.15 to 6.4 end every offset's run where it starts, and
// Orca, which builds the line it speaks from the runs, then drops its last
// character, and a lone digit altogether; here one run covers the whole text,
// which has one look throughout. Only for line edits that show their text.
class accessible_box : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface
{
public:
    // For QAccessible::installFactory: one for every QLineEdit.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    explicit accessible_box(QLineEdit *box);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *box() const;
};
