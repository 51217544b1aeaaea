#pragma once
// What the Qt window tests share: the three windows as the program opens
// them, the main window's controls by name, a fixture that opens a fresh
// main window for every test function and types and clicks as a user does,
// whether the look the environment asks for is there, and what a person sees
// read off a grabbed widget: the colour a region is filled with, and the ink
// drawn on it.

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <memory>

#include "app/process_factor.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/error_dialog.h"
#include "ui/qt/legible_colours.h"
#include "ui/qt/main_window.h"

namespace wagelyn::testing {

// The figures' colours: blue for the typed gross pay, red for the net pays.
inline const QColor kBlueText(0, 0, 255);
inline const QColor kRedText(255, 0, 0);

// Built, loaded, shown, with the focus in the Annual box; deletes itself when closed.
inline MainWindow* OpenMainWindow() {
    auto* window = new MainWindow;
    window->Load();
    window->show();
    window->FocusAnnual();
    return window;
}

// "main", "error" or "about", shown as the program shows it.
inline std::unique_ptr<QWidget> OpenForm(const QString& form) {
    if (form == QLatin1String("main")) {
        return std::unique_ptr<QWidget>(OpenMainWindow());
    }
    if (form == QLatin1String("error")) {
        ErrorDialog::Show();
        return std::unique_ptr<QWidget>(ErrorDialog::Instance());
    }
    AboutDialog::Show();
    return std::unique_ptr<QWidget>(AboutDialog::Instance());
}

// What is missing of the style and the platform theme plugin ("gtk3",
// "qt6ct", "kde") that the environment asks for, empty if nothing: Qt falls
// back to its own without a word.
inline QString MissingLook() {
    const QString style = qEnvironmentVariable("QT_STYLE_OVERRIDE");
    if (!style.isEmpty() &&
        QApplication::style()->name().compare(style, Qt::CaseInsensitive) != 0) {
        return QStringLiteral("style %1 is not installed").arg(style);
    }
    const QString theme = qEnvironmentVariable("QT_QPA_PLATFORMTHEME");
    const QDir themes(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platformthemes");
    if (!theme.isEmpty() &&
        themes.entryList(QDir::Files).filter(theme, Qt::CaseInsensitive).isEmpty()) {
        return QStringLiteral("platform theme %1 is not installed").arg(theme);
    }
    return {};
}

// The dialog shown as the program shows it, once active; null if it never is.
template <class Dialog>
Dialog* ShowActive() {
    Dialog::Show();
    return QTest::qWaitForWindowActive(Dialog::Instance()) ? Dialog::Instance() : nullptr;
}

// What a message box said.
struct MessageSeen {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Information;
    int buttons = 0;
};

// Answers the next modal message box, for as long as `owner` lives, and
// tells what it said.
inline std::shared_ptr<MessageSeen> AnswerNextMessage(QObject* owner) {
    auto seen = std::make_shared<MessageSeen>();
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, owner, [seen, poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen->text = box->text();
            seen->title = box->windowTitle();
            seen->icon = box->icon();
            seen->buttons = box->buttons().size();
            box->accept();
            poll->deleteLater();
        }
    });
    poll->start(10);
    return seen;
}

inline QLineEdit* FigureBox(const QWidget* window, int n) {
    return window->findChild<QLineEdit*>(QString("Text%1").arg(n));
}

inline QComboBox* TaxEntry(const QWidget* window) {
    return window->findChild<QComboBox*>("Combo1");
}

// The button that converts from box `n`: the buttons skip Command7, the
// reset button.
inline QString PeriodButton(int n) {
    return QString("Command%1").arg(n < 7 ? n : n + 1);
}

// A fresh main window for each test function, loaded after the take-home
// factor is cleared (so what loading sets shows); the window and any dialog
// go after it.
class MainWindowTest : public QObject {
    Q_OBJECT

protected:
    QPointer<MainWindow> window_;

    QLineEdit* Box(int n) const { return FigureBox(window_, n); }
    QComboBox* Tax() const { return TaxEntry(window_); }
    QWidget* Control(const char* name) const { return window_->findChild<QWidget*>(name); }
    QPushButton* Button(const QString& name) const {
        return window_->findChild<QPushButton*>(name);
    }
    void Click(const QString& name) const { QTest::mouseClick(Button(name), Qt::LeftButton); }
    void TypeInto(int box, const QString& text) const {
        Box(box)->clear();
        QTest::keyClicks(Box(box), text);
    }
    // Types `figure` into box `box` and clicks the button that converts from it.
    void Convert(int box, const QString& figure) const {
        TypeInto(box, figure);
        Click(PeriodButton(box));
    }
    void TypeTax(const QString& text) const {
        Tax()->lineEdit()->clear();
        QTest::keyClicks(Tax()->lineEdit(), text);
    }
    // Text1 .. Text12.
    QStringList Texts() const {
        QStringList texts;
        for (int i = 1; i <= 12; ++i) {
            texts << Box(i)->text();
        }
        return texts;
    }
    QColor TextColour(int box) const { return Box(box)->palette().color(QPalette::Text); }

private slots:
    void init() {
        process::TakeHomeFactor = 0.0;
        window_ = OpenMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup() {
        delete window_;
        delete ErrorDialog::Instance();
        delete AboutDialog::Instance();
    }
};

// The WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
inline double ContrastRatio(const QColor& a, const QColor& b) {
    return wagelyn::ContrastRatio(ToColour(a), ToColour(b));
}

// The widget as rendered, at one image pixel per device-independent pixel.
inline QImage Grab(QWidget* widget) {
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(widget->size());
}

// The colour most of the region shows.
inline QColor FillColour(const QImage& image, const QRect& region) {
    QHash<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return QColor(most == counts.cend() ? 0 : most.key());
}

// The pixel of the region that stands out most from `fill`: the core of
// the text's strokes, where the glyphs cover a whole pixel.
inline QColor InkColour(const QImage& image, const QRect& region, const QColor& fill) {
    QColor ink = fill;
    double best = 1.0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QColor c(image.pixel(x, y));
            const double contrast = ContrastRatio(c, fill);
            if (contrast > best) {
                best = contrast;
                ink = c;
            }
        }
    }
    return ink;
}

}  // namespace wagelyn::testing
