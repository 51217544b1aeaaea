#include "ui/qt/form_builder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "i18n/translation.h"
#include "ui/forms/face_preferences.h"
#include "ui/forms/tab_order.h"
#include "ui/qt/figure_box.h"
#include "ui/qt/legible_colours.h"

namespace wagelyn {
namespace {

// Text fields hold whatever is typed or pasted: Qt's default cut at 32767
// characters would change a pasted figure behind the user's back.
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

// The shared preference list, as Qt's family names.
QStringList FamiliesFor(Face face) {
    QStringList families;
    for (const std::string_view family : FacePreferences(face)) {
        families.append(QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));
    }
    return families;
}

// The first installed face of the preference list that scales smoothly (a
// bitmap face stays at its few sizes), looked up once. Naming
// only that face matters at start-up: for a missing first choice, and for a
// list of several, Qt asks fontconfig for a sorted fallback list of every
// font (milliseconds each), where one installed family needs no such query.
// With none installed, the list and the style hint still choose. The list of
// installed families is searched directly: QFontDatabase::hasFamily would
// have fontconfig resolve aliases of each missing name, which costs as much.
QStringList InstalledFamiliesFor(Face face) {
    const auto resolve = [face] {
        QStringList families = FamiliesFor(face);
        const QStringList installed = QFontDatabase::families();
        for (const QString& family : families) {
            if (installed.contains(family, Qt::CaseInsensitive) &&
                QFontDatabase::isSmoothlyScalable(family)) {
                return QStringList{family};
            }
        }
        return families;
    };
    if (face == Face::Arial) {
        static const QStringList arial = resolve();
        return arial;
    }
    static const QStringList sansSerif = resolve();
    return sansSerif;
}

// The design's colours ride on the widget, so that they can be shown again
// under a new colour scheme; an invalid colour leaves that one to the system.
constexpr const char* kDesignText = "designTextColour";
constexpr const char* kDesignBackground = "designBackgroundColour";

QColor DesignColour(Colour colour) {
    return colour == kSystemColour ? QColor() : ToQColor(colour);
}

enum class Moment : std::uint8_t { Built, Changed };

// Shows a label's or text box's design colours, legible under the scheme.
// A control just built that inherits the right colours keeps no palette of
// its own (that would only cost a polish at start-up); after a change, the
// inherited palette may not have caught up yet, so the colours are set.
void ApplyDesignColours(QWidget* control, Moment moment) {
    const QVariant text = control->property(kDesignText);
    if (!text.isValid()) {
        return;  // not a control with design colours
    }
    const bool textField = qobject_cast<QLabel*>(control) == nullptr;
    const QPalette::ColorRole textRole = textField ? QPalette::Text : QPalette::WindowText;
    const QPalette::ColorRole backgroundRole = control->backgroundRole();
    // What Qt would draw the text in without a design colour: the role that
    // contrasts with the background.
    const QPalette::ColorRole systemTextRole =
        textField
            ? QPalette::Text
            : (backgroundRole == QPalette::Button ? QPalette::ButtonText : QPalette::WindowText);
    const QPalette system = QApplication::palette(control);
    const ColourPair colours = LegibleColours(
        ToColour(text.value<QColor>()),
        ToColour(control->property(kDesignBackground).value<QColor>()),
        {ToColour(system.color(systemTextRole)), ToColour(system.color(backgroundRole))},
        LightDesignColours(textField));
    const QColor shownText = ToQColor(colours.text);
    const QColor shownBackground = ToQColor(colours.background);
    QPalette palette = control->palette();
    if (moment == Moment::Built && palette.color(textRole) == shownText &&
        palette.color(backgroundRole) == shownBackground) {
        return;
    }
    palette.setColor(textRole, shownText);
    palette.setColor(backgroundRole, shownBackground);
    control->setPalette(palette);
}

void SetDesignColours(QWidget* control, Colour text, Colour background) {
    control->setProperty(kDesignText, DesignColour(text));
    control->setProperty(kDesignBackground, DesignColour(background));
    ApplyDesignColours(control, Moment::Built);
}

// Some styles (Adwaita's) draw neither frame nor arrow for a combo box
// lower than they would make it: the box would look like a plain field.
// Such a box is drawn by Qt's own Fusion, which draws both at any size.
void KeepDropDownLook(QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    const QSize needed = combo->style()->sizeFromContents(
        QStyle::CT_ComboBox, &option, QSize(0, combo->fontMetrics().height()), combo);
    if (needed.height() <= combo->height()) {
        return;
    }
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        fusion->setParent(combo);  // a widget's own style is not deleted with it
        combo->setStyle(fusion);
    }
}

QWidget* CreateControl(const ControlDef& def, QWidget* surface) {
    switch (def.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(ShownText(def.text), surface);
            label->setWordWrap(true);
            label->setAlignment(def.centred ? Qt::AlignHCenter | Qt::AlignTop
                                            : Qt::AlignLeft | Qt::AlignTop);
            label->setTextFormat(Qt::PlainText);
            if (def.bordered) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
                label->setLineWidth(1);
                // A framed label would indent its text from the top by half
                // an "x": the title's descenders would fall off its bottom.
                label->setIndent(0);
            }
            // Opaque: a label without a colour of its own shows the button face
            // (or the form's face). Its text is drawn in WindowText whatever
            // the background, so that a design text colour shows.
            label->setAutoFillBackground(true);
            label->setBackgroundRole(def.onFormFace ? QPalette::Window : QPalette::Button);
            label->setForegroundRole(QPalette::WindowText);
            SetDesignColours(label, def.foreground, def.background);
            return label;
        }
        case ControlKind::TextBox: {
            auto* box = new FigureBox(ToQString(def.text), surface);
            box->setMaxLength(kNoLengthLimit);
            SetDesignColours(box, def.foreground, def.background);
            return box;
        }
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(surface);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->lineEdit()->setMaxLength(kNoLengthLimit);
            // Qt completes typing from the list: "1" would read as "16" and
            // withhold 16 %. What is typed is what counts. (The line edit
            // deletes the completer it owns.)
            combo->lineEdit()->setCompleter(nullptr);
            combo->setEditText(ToQString(def.text));
            return combo;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(ShownText(def.text), surface);
            // Return and keypad Enter press the focused button, in the dialogs
            // and in the main window alike, as in the window system's own
            // dialogs; the focused button is drawn as the one they press.
            button->setAutoDefault(true);
            return button;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(surface);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return picture;
        }
    }
    return nullptr;
}

}  // namespace

bool SetDesignTextColour(QWidget* control, Colour colour) {
    const QColor wanted = DesignColour(colour);
    if (control->property(kDesignText).value<QColor>() == wanted) {
        return false;
    }
    control->setProperty(kDesignText, wanted);
    ApplyDesignColours(control, Moment::Changed);
    return true;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ShownText(std::string_view english) {
    return ToQString(Translate(english));
}

QColor ToQColor(Colour colour) {
    return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

QFont DefaultFormFont() {
    return FontFor(kFormFont, QFont());
}

QFont FontFor(const FontDef& def, const QFont& formFont) {
    if (def.face == Face::FormDefault) {
        return formFont;
    }
    QFont font;
    font.setFamilies(InstalledFamiliesFor(def.face));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(def.points);
    font.setBold(def.bold);
    return font;
}

void BuildForm(std::span<const ControlDef> controls, QWidget* surface) {
    const QFont formFont = surface->font();
    std::vector<QWidget*> widgets;
    for (const ControlDef& def : controls) {
        QWidget* widget = CreateControl(def, surface);
        widget->setObjectName(ToQString(def.name));
        widget->setGeometry(TwipsToPixels(def.left), TwipsToPixels(def.top),
                            TwipsToPixels(def.width), TwipsToPixels(def.height));
        widget->setFont(FontFor(def.font, formFont));
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            KeepDropDownLook(combo);
        }
        widgets.push_back(widget);
    }
    QWidget* previous = nullptr;
    for (std::size_t i : TabOrder(controls)) {
        if (widgets[i]->focusPolicy() & Qt::TabFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, widgets[i]);
            }
            previous = widgets[i];
        }
    }
}

FormSurface::FormSurface(std::span<const LineDef> lines, int widthTwips, int heightTwips,
                         QWidget* parent)
    : QWidget(parent), lines_(lines) {
    setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
    setAutoFillBackground(true);
}

void FormSurface::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            ApplyDesignColours(control, Moment::Changed);
        }
    }
}

// Lines in the system's text colour stay visible on the form's own face.
QColor FormSurface::LineInk() const {
    const QColor face = palette().color(QPalette::Window);
    const Colour faceColour = ToColour(face);
    return ToQColor(
        LegibleColours(
            kSystemColour, faceColour,
            {ToColour(QApplication::palette(this).color(QPalette::WindowText)), faceColour},
            {LightDesignColours(false).text, faceColour})
            .text);
}

void FormSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor systemInk = LineInk();
    for (const LineDef& line : lines_) {
        const QColor colour = line.colour == kSystemColour ? systemInk : ToQColor(line.colour);
        const LineCover cover = CoverOf(line, TwipsToPixels, line.widthPixels);
        painter.fillRect(QRect(cover.left, cover.top, cover.width, cover.height), colour);
    }
}

}  // namespace wagelyn
