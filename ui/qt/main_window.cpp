#include "ui/qt/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt/application.h"
#include "app/process_factor.h"
#include "conversion/recalculation.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/error_dialog.h"
#include "ui/qt/form_builder.h"
#include "ui/forms/main_form.h"
#include "ui/qt/print_window.h"

namespace wagelyn {
namespace {

// The user's regional separators, read at the moment of each run.
NumberFormat RegionalFormat() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

const QString kGrossDescription = QStringLiteral("Gross pay, as entered");
const QString kNetDescription = QStringLiteral("Net (take-home) pay");

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Pay1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ToQString(main_layout::kCaption));
    setWindowIcon(ApplicationIcon());
    // Fixed single border: close box and system menu, no minimize or maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* surface = new FormSurface(main_layout::Lines(), main_layout::kClientWidth,
                                    main_layout::kClientHeight, this);
    surface->setObjectName(QStringLiteral("Pay1Client"));
    surface->setFont(DefaultFormFont());
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, ToQColor(main_layout::kBackground));
    surface->setPalette(palette);
    BuildForm(main_layout::Controls(), surface);
    setCentralWidget(surface);

    auto* help = menuBar()->addMenu(ToQString(main_layout::kHelpMenu));
    help->setObjectName(QStringLiteral("Help"));
    QAction* about = help->addAction(ToQString(main_layout::kAboutItem));
    about->setObjectName(QStringLiteral("About"));
    connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    BindControls();
}

void MainWindow::BindControls() {
    for (const main_layout::PeriodControls& info : main_layout::kPeriodControls) {
        QLineEdit* box = findChild<QLineEdit*>(ToQString(info.box));
        box->setAccessibleName(ToQString(info.caption));
        box->setAccessibleDescription(info.period == Period::Annual ? kGrossDescription
                                                                    : kNetDescription);
        boxes_[IndexOf(info.period)] = box;
        for (const ControlDef& def : main_layout::Controls()) {
            if (def.name == info.box) {
                boxColours_[IndexOf(info.period)] = def.foreground;
            }
        }
        auto* button = findChild<QPushButton*>(ToQString(info.button));
        connect(button, &QPushButton::clicked, this,
                [this, period = info.period] { RecalculateFrom(period); });
    }

    tax_ = findChild<QComboBox*>(QStringLiteral("Combo1"));
    for (std::string_view entry : main_layout::kTaxList) {
        tax_->addItem(ToQString(entry));
    }
    tax_->setEditText(QString());
    tax_->setAccessibleName(QStringLiteral("Tax withheld in %"));

    connect(findChild<QPushButton*>(QStringLiteral("Command7")), &QPushButton::clicked, this,
            &MainWindow::Reset);
    connect(findChild<QPushButton*>(QStringLiteral("Command14")), &QPushButton::clicked, this,
            &MainWindow::Quit);
    connect(findChild<QPushButton*>(QStringLiteral("Command15")), &QPushButton::clicked, this,
            &MainWindow::Print);
}

void MainWindow::Load() {
    LoadDefaults(*this, process::TakeHomeFactor, RegionalFormat());
}

void MainWindow::FocusAnnual() {
    boxes_[IndexOf(Period::Annual)]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::RecalculateFrom(Period source) {
    Recalculate(source, *this, process::TakeHomeFactor, RegionalFormat());
}

void MainWindow::Reset() {
    ResetBoxes(*this);
}

// Closes only this window: an open dialog keeps the process until it closes.
void MainWindow::Quit() {
    close();
}

void MainWindow::Print() {
    const QString problem = DescribePrintOutcome(PrintOnDefaultPrinter(*centralWidget()));
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), problem,
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("PrintProblem"));
        box.exec();
    }
}

void MainWindow::ShowAbout() {
    AboutDialog::Show();
}

std::string MainWindow::BoxText(Period period) const {
    return boxes_[IndexOf(period)]->text().toStdString();
}

void MainWindow::SetBoxText(Period period, std::string_view text) {
    boxes_[IndexOf(period)]->setText(ToQString(text));
}

void MainWindow::SetBoxColour(Period period, Colour colour) {
    if (boxColours_[IndexOf(period)] == colour) {
        return;
    }
    boxColours_[IndexOf(period)] = colour;
    QLineEdit* box = boxes_[IndexOf(period)];
    SetDesignTextColour(box, colour);
    box->setAccessibleDescription(colour == kBlue ? kGrossDescription : kNetDescription);
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
