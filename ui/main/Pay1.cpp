#include "ui/main/Pay1.h"

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "app/Module1.h"
#include "app/application.h"
#include "conversion/recalculation.h"
#include "ui/dialogs/errshow.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/form/form_builder.h"
#include "ui/main/pay1_layout.h"
#include "ui/main/print_window.h"

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

Pay1::Pay1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Pay1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ToQString(pay1::kCaption));
    setWindowIcon(ApplicationIcon());
    // Fixed single border: close box and system menu, no minimize or maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* surface = new FormSurface(pay1::Lines(), pay1::kClientWidth, pay1::kClientHeight, this);
    surface->setObjectName(QStringLiteral("Pay1Client"));
    surface->setFont(DefaultFormFont());
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, ToQColor(pay1::kBackground));
    surface->setPalette(palette);
    BuildForm(pay1::Controls(), surface);
    setCentralWidget(surface);

    auto* help = menuBar()->addMenu(ToQString(pay1::kHelpMenu));
    help->setObjectName(QStringLiteral("Help"));
    QAction* about = help->addAction(ToQString(pay1::kAboutItem));
    about->setObjectName(QStringLiteral("About"));
    connect(about, &QAction::triggered, this, &Pay1::ShowAbout);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    BindControls();
}

void Pay1::BindControls() {
    for (const PeriodInfo& info : kPeriods) {
        QLineEdit* box = findChild<QLineEdit*>(ToQString(info.box));
        box->setAccessibleName(ToQString(info.caption));
        box->setAccessibleDescription(info.period == Period::Annual ? kGrossDescription
                                                                    : kNetDescription);
        boxes_[IndexOf(info.period)] = box;
        auto* button = findChild<QPushButton*>(ToQString(info.button));
        connect(button, &QPushButton::clicked, this,
                [this, period = info.period] { RecalculateFrom(period); });
    }

    tax_ = findChild<QComboBox*>(QStringLiteral("Combo1"));
    for (std::string_view entry : pay1::kTaxList) {
        tax_->addItem(ToQString(entry));
    }
    tax_->setEditText(QString());
    tax_->setAccessibleName(QStringLiteral("Tax withheld in %"));

    connect(findChild<QPushButton*>(QStringLiteral("Command7")), &QPushButton::clicked, this,
            &Pay1::Reset);
    connect(findChild<QPushButton*>(QStringLiteral("Command14")), &QPushButton::clicked, this,
            &Pay1::Quit);
    connect(findChild<QPushButton*>(QStringLiteral("Command15")), &QPushButton::clicked, this,
            &Pay1::Print);
}

void Pay1::Load() {
    LoadDefaults(*this, Module1::TakeHomeFactor, RegionalFormat());
}

void Pay1::FocusAnnual() {
    boxes_[IndexOf(Period::Annual)]->setFocus(Qt::OtherFocusReason);
}

void Pay1::RecalculateFrom(Period source) {
    Recalculate(source, *this, Module1::TakeHomeFactor, RegionalFormat());
}

void Pay1::Reset() {
    ResetBoxes(*this);
}

// Closes only this window: an open dialog keeps the process until it closes.
void Pay1::Quit() {
    close();
}

void Pay1::Print() {
    const QString problem = DescribePrintOutcome(PrintOnDefaultPrinter(*centralWidget()));
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), problem,
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("PrintProblem"));
        box.exec();
    }
}

void Pay1::ShowAbout() {
    frmAbout::Show();
}

std::string Pay1::BoxText(Period period) const {
    return boxes_[IndexOf(period)]->text().toStdString();
}

void Pay1::SetBoxText(Period period, std::string_view text) {
    boxes_[IndexOf(period)]->setText(ToQString(text));
}

void Pay1::SetBoxColour(Period period, Colour colour) {
    QLineEdit* box = boxes_[IndexOf(period)];
    const QColor wanted = ToQColor(colour);
    // Most runs repaint boxes that are red already: a new palette would only
    // cost a style update.
    if (box->palette().color(QPalette::Text) == wanted) {
        return;
    }
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, wanted);
    box->setPalette(palette);
    box->setAccessibleDescription(colour == kBlue ? kGrossDescription : kNetDescription);
}

std::string Pay1::TaxText() const {
    return tax_->currentText().toStdString();
}

void Pay1::SetTaxText(std::string_view text) {
    tax_->setEditText(ToQString(text));
}

void Pay1::ShowError() {
    errshow::Show();
}

}  // namespace wagelyn
