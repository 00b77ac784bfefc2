// The confirmation shown before every profile is set back to its defaults.
// Its whole message is in its pictures; it offers OK, Cancel and close.
#pragma once

#include "option/skin/SkinNames.h"
#include "option/skin/SkinnedDialog.h"

namespace orvyn {

class ResetWarningDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    using Section = ResetWarningSkin::Section;
    using enum ResetWarningSkin::Section;

    explicit ResetWarningDialog(QWidget *parent);
};

} // namespace orvyn
