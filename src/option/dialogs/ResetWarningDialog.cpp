#include "option/dialogs/ResetWarningDialog.h"

namespace orvyn {

ResetWarningDialog::ResetWarningDialog(QWidget *parent) : SkinnedDialog(SkinWindowKind::ModalPopup, parent) {
    std::vector<SkinControlSpec> controls;
    for (int section : {Ok, Cancel, Close}) {
        SkinControlSpec spec;
        spec.section = section;
        spec.index = section;
        controls.push_back(spec);
    }
    loadSkin(QStringLiteral("skin_reset_warn.ini"), controls);
    connect(this, &SkinnedDialog::controlCommand, this, [this](int section) {
        if (section == Ok)
            accept();
        else if (section == Cancel || section == Close)
            reject();
    });
}

} // namespace orvyn
