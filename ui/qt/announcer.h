#pragma once
// Tells screen-reader users what a command did where nothing takes the focus
// to say it: a notification that appears with the message as its name, which
// screen readers speak when it shows. It draws nothing.

#include <QWidget>

namespace wagelyn {

class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void Announce(const QString& message);
};

// Gives announcers their notification role; call once, before the first
// window is built.
void InstallAccessibleAnnouncers();

}  // namespace wagelyn
