#pragma once
// The platform's own style, with one start-up cost taken out: the icon of a
// menu bar's overflow button is read from its image file only when the
// button is first drawn, which in Wagelyn's fixed window is never. Reading it
// when the menu bar is built would make Qt load every image-format plugin.

#include <QProxyStyle>

namespace wagelyn {

class StartupStyle : public QProxyStyle {
public:
    // Wraps a new instance of the style named `key` ("fusion", "windowsvista").
    explicit StartupStyle(const QString& key);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

// Puts StartupStyle over whichever style the application would use.
void InstallStartupStyle();

}  // namespace wagelyn
