#pragma once
// A figure box: a line edit that shows its whole figure, or shows that the
// figure goes on. A figure wider than the box is drawn smaller, down to
// three fifths of the design's size; one wider still is drawn cut with an
// ellipsis while the box has no focus, the whole figure in its tooltip.
// The text itself (what is read, copied and heard) always stays whole.

#include <QFont>
#include <QLineEdit>

namespace wagelyn {

class FigureBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit FigureBox(const QString& text, QWidget* parent = nullptr);

    // Replaces the figure and shows it from its first character, fitted.
    void SetFigure(const QString& figure);

protected:
    void changeEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void GiveTextTheInnerWidth();
    void Fit();
    // Where QLineEdit draws its text, and the width it gives the text there.
    QRect TextRect() const;
    int TextRoom() const;

    QFont designFont_;
    bool elided_ = false;
    bool applying_ = false;  // the box is changing its own font or margins
};

}  // namespace wagelyn
