#include "option/dialogs/ResetWarningDialog.h"

namespace orvyn {

ResetWarningDialog::ResetWarningDialog(QWidget *parent) : SkinnedDialog(SkinWindowKind::ModalPopup, parent) {
    loadSkin(QString::fromLatin1(ResetWarningSkin::kFile), pushButtons({Ok, Cancel, Close}));
    setDialogButtons(dialogButtonsOf<ResetWarningSkin>());
    // The factory-settings warning ends by its buttons only (Tab reaches them).
    setEscapeKey(EscapeKey::Ignored);
    setWindowTitle(QStringLiteral("Restore Defaults"));
}

} // namespace orvyn
