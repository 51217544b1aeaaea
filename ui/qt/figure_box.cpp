#include "ui/qt/figure_box.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "ui/forms/text_fitting.h"

namespace wagelyn {
namespace {

// The design's box is a sunken edge two pixels wide around its text; a
// style that pads its line edits further takes room from the figure.
constexpr int kDesignEdge = 2;
// QLineEdit keeps this much room on either side of its text.
constexpr int kLineEditMargin = 2;

}  // namespace

FigureBox::FigureBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent), designFont_(font()) {}

void FigureBox::SetFigure(const QString& figure) {
    setText(figure);
    // Shown from its first digit, as a native text box does: a line edit
    // leaves its caret, and so its view, at the end.
    setCursorPosition(0);
    Fit();
}

// The text's rectangle, as QLineEdit lays it out, with the style's padding
// beyond the design's edge given back to the text.
void FigureBox::GiveTextTheInnerWidth() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int left = contents.left() - rect().left();
    const int right = rect().right() - contents.right();
    const QMargins margins(-std::max(0, left - kDesignEdge), 0, -std::max(0, right - kDesignEdge),
                           0);
    if (margins != textMargins()) {
        applying_ = true;
        setTextMargins(margins);
        applying_ = false;
    }
}

QRect FigureBox::TextRect() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins());
}

int FigureBox::TextRoom() const {
    return TextRect().width() - 2 * kLineEditMargin;
}

// Measured only when a figure is written or left by the user: an empty box,
// as at start-up, needs nothing.
void FigureBox::Fit() {
    GiveTextTheInnerWidth();
    const QString figure = text();
    const int room = TextRoom();
    const auto fitsAt = [&](double scale) {
        QFont font = designFont_;
        font.setPointSizeF(designFont_.pointSizeF() * scale);
        // As QLineEdit decides whether its text needs scrolling.
        return std::lround(QFontMetricsF(font).horizontalAdvance(figure)) + 1 <= room;
    };
    const TextFitting fitting =
        figure.isEmpty() ? TextFitting{} : FitText(fitsAt, kSmallestFigureScale);
    QFont shown = designFont_;
    shown.setPointSizeF(designFont_.pointSizeF() * fitting.scale);
    if (shown != font()) {
        applying_ = true;
        setFont(shown);
        applying_ = false;
    }
    elided_ = !fitting.fits;
    const QString tip = elided_ ? figure : QString();
    if (tip != toolTip()) {
        setToolTip(tip);
    }
    update();
}

void FigureBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (applying_) {
        return;
    }
    if (event->type() == QEvent::FontChange) {
        designFont_ = font();  // the design's, given by whoever builds the form
        if (!text().isEmpty()) {
            Fit();
        }
    } else if (event->type() == QEvent::StyleChange) {
        GiveTextTheInnerWidth();
        if (!text().isEmpty()) {
            Fit();
        }
    }
}

// Typing, too, has the whole inner width from the start.
void FigureBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    GiveTextTheInnerWidth();
    if (!text().isEmpty()) {
        Fit();
    }
}

void FigureBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Fit();
}

// While it has the focus the box shows the real text, to be edited;
// otherwise a figure too long even in the smallest font is drawn cut, with
// an ellipsis, where QLineEdit would cut it silently.
void FigureBox::paintEvent(QPaintEvent* event) {
    if (!elided_ || hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    const QRect text = TextRect();
    painter.setClipRect(text);
    const QFontMetrics metrics(font());
    // Where QLineEdit puts its line: centred, left-aligned within its margins.
    const QRect line(text.x() + kLineEditMargin,
                     text.y() + (text.height() - metrics.height() + 1) / 2,
                     text.width() - 2 * kLineEditMargin, metrics.height());
    painter.setPen(palette().color(QPalette::Text));
    // Measured as Fit() measures: what it found too wide is cut here.
    painter.drawText(
        line, Qt::AlignLeft | Qt::AlignTop,
        QFontMetricsF(font()).elidedText(this->text(), Qt::ElideRight, line.width() - 1));
}

}  // namespace wagelyn
