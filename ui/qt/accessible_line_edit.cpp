#include "ui/qt/accessible_line_edit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

namespace wagelyn {
namespace {

class AccessibleLineEdit final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return Edit()->echoMode() == QLineEdit::Normal ? Edit()->text() : QString();
        }
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value && !Edit()->isReadOnly()) {
            Edit()->setText(text);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Edit()->isReadOnly();
        state.readOnly = Edit()->isReadOnly();
        state.selectableText = true;
        state.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
        return state;
    }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && Edit()->hasSelectedText()) {
            *start = Edit()->selectionStart();
            *end = Edit()->selectionEnd();
        }
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            Edit()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            Edit()->setSelection(start, end - start);
        }
    }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return Shown().mid(start, std::max(0, end - start));
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }

    // Measured from the caret, whose place input methods are told: that takes the
    // scrolled view and the style's margins into account.
    QRect characterRect(int offset) const override {
        const QString shown = Shown();
        if (offset < 0 || offset >= shown.size()) {
            return {};
        }
        const QFontMetrics metrics = Edit()->fontMetrics();
        const QRect caret = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int caretX = caret.center().x();
        const int left = caretX + metrics.horizontalAdvance(shown.left(offset)) -
                         metrics.horizontalAdvance(shown.left(Edit()->cursorPosition()));
        const QRect local(left, caret.top(), metrics.horizontalAdvance(shown.at(offset)),
                          caret.height());
        return {Edit()->mapToGlobal(local.topLeft()), local.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int /*end*/) override { Edit()->setCursorPosition(start); }
    // One run, with no attributes of its own, over the whole text.
    QString attributes(int offset, int* start, int* end) const override {
        const int count = characterCount();
        if (offset < 0 || offset > count) {
            *start = *end = -1;
            return {};
        }
        *start = 0;
        *end = count;
        return {};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (Edit()->isReadOnly()) {
            return;
        }
        QString now = Edit()->text();
        now.replace(start, std::max(0, end - start), text);
        Edit()->setText(now);
        Edit()->setCursorPosition(start + static_cast<int>(text.size()));
    }

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
    QString Shown() const { return text(QAccessible::Value); }
};

QAccessibleInterface* LineEditFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLineEdit")) {
        if (auto* edit = qobject_cast<QLineEdit*>(object)) {
            return new AccessibleLineEdit(edit);
        }
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleLineEdits() {
    QAccessible::installFactory(&LineEditFactory);
}

}  // namespace wagelyn
