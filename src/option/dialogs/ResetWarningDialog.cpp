#include "option/dialogs/ResetWarningDialog.h"

namespace orvyn {

ResetWarningDialog::ResetWarningDialog(QWidget *parent) : SkinnedDialog(SkinWindowKind::ModalPopup, parent) {
    loadSkin(QString::fromLatin1(ResetWarningSkin::kFile), pushButtons({Ok, Cancel, Close}));
    connect(this, &SkinnedDialog::controlCommand, this, [this](int section) {
        if (section == Ok)
            accept();
        else if (section == Cancel || section == Close)
            reject();
    });
}

} // namespace orvyn
