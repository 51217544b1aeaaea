// The widget floor: Wagelyn's main window written the plain way, with no
// logic. The same controls at the same places, the same menu, faces, sizes
// and window background, each set with one plain Qt call; no bindings, no
// colour-scheme rules, no lines, no start-up tuning. Wagelyn's start-up and
// memory are measured against it.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include "ui/forms/main_form.h"

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* Create(const wagelyn::ControlDef& def, QWidget* parent) {
    switch (def.kind) {
        case wagelyn::ControlKind::TextBox:
            return new QLineEdit(parent);
        case wagelyn::ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            for (std::string_view entry : wagelyn::main_form::kTaxList) {
                combo->addItem(Text(entry));
            }
            return combo;
        }
        case wagelyn::ControlKind::Button:
            return new QPushButton(Text(def.text), parent);
        case wagelyn::ControlKind::Label:
        case wagelyn::ControlKind::Picture:
            break;
    }
    auto* label = new QLabel(Text(def.text), parent);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return label;
}

}  // namespace

int main(int argc, char* argv[]) {
    using wagelyn::TwipsToPixels;
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(Text(wagelyn::main_form::kCaption));
    window.menuBar()
        ->addMenu(Text(wagelyn::main_form::kHelpMenu))
        ->addAction(Text(wagelyn::main_form::kAboutItem));
    auto* client = new QWidget(&window);
    client->setFixedSize(TwipsToPixels(wagelyn::main_form::kClientWidth),
                         TwipsToPixels(wagelyn::main_form::kClientHeight));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 255));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    // Liberation Sans stands in for both design faces, as in the program.
    client->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    for (const wagelyn::ControlDef& def : wagelyn::main_form::Controls()) {
        QWidget* control = Create(def, client);
        control->setGeometry(TwipsToPixels(def.left), TwipsToPixels(def.top),
                             TwipsToPixels(def.width), TwipsToPixels(def.height));
        if (def.font.face != wagelyn::Face::FormDefault) {
            QFont font(QStringLiteral("Liberation Sans"));
            font.setPointSizeF(def.font.points);
            font.setBold(def.font.bold);
            control->setFont(font);
        }
    }
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
