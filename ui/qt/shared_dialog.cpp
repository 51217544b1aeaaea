#include "ui/qt/shared_dialog.h"

#include "ui/qt/accessible_texts.h"
#include "ui/qt/application.h"
#include "ui/qt/form_builder.h"

namespace wagelyn {

FormSurface* BuildOwnerlessDialog(QDialog& dialog, const FormDef& form) {
    dialog.setModal(false);
    dialog.setFont(DefaultFormFont());
    auto* surface = new FormSurface(form.lines, form.clientWidth, form.clientHeight, &dialog);
    surface->setFont(dialog.font());
    BuildForm(form.controls, surface);
    ApplyAccessibleTexts(form, &dialog, surface);
    dialog.setFixedSize(surface->size());

    dialog.setAttribute(Qt::WA_DeleteOnClose);
    dialog.setWindowIcon(ApplicationIcon());
    dialog.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Qt lets tool windows die with the main window; these keep the process
    // alive until they are closed, like any other window of the program.
    dialog.setAttribute(Qt::WA_QuitOnClose, true);
    // The client area's corner, not the frame's, stands at the given place.
    dialog.setGeometry(TwipsToPixels(form.clientLeft), TwipsToPixels(form.clientTop),
                       dialog.width(), dialog.height());
    return surface;
}

void EnterTaskbar(QDialog& dialog) {
    if (dialog.windowType() != Qt::Tool) {
        return;
    }
    const QRect client = dialog.geometry();
    const bool visible = dialog.isVisible();
    // New flags hide the window: it is shown again, with its new frame.
    dialog.setWindowFlags((dialog.windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
    dialog.setGeometry(client);
    if (visible) {
        dialog.show();
    }
}

}  // namespace wagelyn
