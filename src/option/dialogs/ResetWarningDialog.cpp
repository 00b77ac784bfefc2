#include "option/dialogs/ResetWarningDialog.h"

namespace orvyn {

ResetWarningDialog::ResetWarningDialog(QWidget *parent) : SkinnedDialog(SkinWindowKind::ModalPopup, parent) {
    std::vector<SkinControlSetup> controls;
    for (int section : {Ok, Cancel, Close}) {
        SkinControlSetup setup;
        setup.section = section;
        setup.index = section;
        controls.push_back(setup);
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
