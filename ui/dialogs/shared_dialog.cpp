#include "ui/dialogs/shared_dialog.h"

#include "app/application.h"
#include "ui/form/form_data.h"

namespace wagelyn {

void SetUpOwnerlessDialog(QDialog& dialog, int clientLeftTwips, int clientTopTwips) {
    dialog.setAttribute(Qt::WA_DeleteOnClose);
    dialog.setWindowIcon(ApplicationIcon());
    dialog.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Qt lets tool windows die with the main window; these keep the process
    // alive until they are closed, like any other window of the program.
    dialog.setAttribute(Qt::WA_QuitOnClose, true);
    // The client area's corner, not the frame's, stands at the given place.
    dialog.setGeometry(TwipsToPixels(clientLeftTwips), TwipsToPixels(clientTopTwips),
                       dialog.width(), dialog.height());
}

}  // namespace wagelyn
