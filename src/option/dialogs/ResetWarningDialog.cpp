#include "option/dialogs/ResetWarningDialog.h"

namespace orvyn {

ResetWarningDialog::ResetWarningDialog(QWidget *parent) : SkinnedDialog(SkinWindowKind::ModalPopup, parent) {
    loadSkin(QString::fromLatin1(ResetWarningSkin::kFile), pushButtons({Ok, Cancel, Close}));
    setDialogButtons(dialogButtonsOf<ResetWarningSkin>());
    setWindowTitle(QStringLiteral("Restore Defaults"));
}

} // namespace orvyn
