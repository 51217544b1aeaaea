#include "ui/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

#include "app/process_factor.h"
#include "conversion/recalculation.h"
#include "ui/forms/main_form.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/accessible_texts.h"
#include "ui/qt/announcer.h"
#include "ui/qt/application.h"
#include "ui/qt/error_dialog.h"
#include "ui/qt/figure_box.h"
#include "ui/qt/form_builder.h"
#include "ui/qt/print_window.h"
#include "ui/qt/shared_dialog.h"

namespace wagelyn {
namespace {

// The user's regional separators, read at the moment of each run.
NumberFormat ReadRegionalFormat() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Pay1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ShownText(main_form::kCaption));
    setWindowIcon(ApplicationIcon());
    // Fixed single border: close box and system menu, no minimize or maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* surface = new FormSurface(main_form::Lines(), main_form::kClientWidth,
                                    main_form::kClientHeight, this);
    surface->setObjectName(QStringLiteral("Pay1Client"));
    surface->setFont(DefaultFormFont());
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, ToQColor(main_form::kBackground));
    surface->setPalette(palette);
    BuildForm(main_form::Controls(), surface);
    ApplyAccessibleTexts(main_form::Form(), this, surface);
    setCentralWidget(surface);

    auto* help = menuBar()->addMenu(ShownText(main_form::kHelpMenu));
    help->setObjectName(QStringLiteral("Help"));
    QAction* aboutItem = help->addAction(ShownText(main_form::kAboutItem));
    aboutItem->setObjectName(ToQString(main_form::kAboutItemName));
    // F10 opens the menu, as on Windows and in GNOME: the captions carry no
    // access keys to reach it by.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(Qt::Key_F10);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this,
            [this, help] { menuBar()->setActiveAction(help->menuAction()); });

    announcer_ = new Announcer(surface);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    BindControls();
}

void MainWindow::BindControls() {
    for (const main_form::PeriodControls& info : main_form::kPeriodControls) {
        boxes_[IndexOf(info.period)] = findChild<FigureBox*>(ToQString(info.box));
    }

    tax_ = findChild<QComboBox*>(ToQString(main_form::kTaxEntry));
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->installEventFilter(this);
    }
    for (std::string_view entry : main_form::kTaxList) {
        tax_->addItem(ToQString(entry));
    }
    tax_->setEditText(QString());

    // A binding names a button or the menu item; either runs its procedure.
    for (const main_form::Binding& binding : main_form::kBindings) {
        const auto run = [this, binding] { main_form::Run(binding, *this); };
        const QString name = ToQString(binding.control);
        if (auto* button = findChild<QPushButton*>(name)) {
            connect(button, &QPushButton::clicked, this, run);
        } else if (auto* item = findChild<QAction*>(name)) {
            connect(item, &QAction::triggered, this, run);
        }
    }
}

void MainWindow::Load() {
    LoadDefaults(*this, process::TakeHomeFactor, ReadRegionalFormat());
}

void MainWindow::FocusAnnual() {
    boxes_[IndexOf(Period::Annual)]->setFocus(Qt::OtherFocusReason);
}

// A run that fails says so through the error dialog; one that succeeds
// moves no focus, so screen readers are told in words.
WindowOperations& MainWindow::Operations() {
    return *this;
}

NumberFormat MainWindow::RegionalFormat() const {
    return ReadRegionalFormat();
}

void MainWindow::Announce(std::string_view message) {
    announcer_->Announce(ToQString(message));
}

// A line edit types an Alt+letter that no shortcut claims as the letter
// itself, over the figure: the text fields take none.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers();
        if (held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier) &&
            !key->text().isEmpty() && key->text().at(0).isPrint()) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Closes only this window: an open dialog keeps the process until it closes.
void MainWindow::Quit() {
    close();
}

// The dialogs that keep the process once this window has gone gain task-bar
// entries of their own, so that they cannot be lost behind other windows.
void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        for (QDialog* dialog : {static_cast<QDialog*>(ErrorDialog::Instance()),
                                static_cast<QDialog*>(AboutDialog::Instance())}) {
            if (dialog != nullptr) {
                EnterTaskbar(*dialog);
            }
        }
    }
}

void MainWindow::Print() {
    PrintForm(*this, *static_cast<FormSurface*>(centralWidget()), main_form::Form());
}

void MainWindow::ShowAbout() {
    AboutDialog::Show();
}

std::string MainWindow::BoxText(Period period) const {
    return boxes_[IndexOf(period)]->text().toStdString();
}

void MainWindow::SetBoxText(Period period, std::string_view text) {
    boxes_[IndexOf(period)]->SetFigure(ToQString(text));
}

void MainWindow::SetBoxColour(Period period, Colour colour) {
    FigureBox* box = boxes_[IndexOf(period)];
    if (SetDesignTextColour(box, colour)) {
        DescribeByColour(main_form::Form(), box, colour);
    }
}

std::string MainWindow::TaxText() const {
    return tax_->currentText().toStdString();
}

void MainWindow::SetTaxText(std::string_view text) {
    tax_->setEditText(ToQString(text));
}

void MainWindow::ShowError() {
    ErrorDialog::Show();
}

}  // namespace wagelyn
