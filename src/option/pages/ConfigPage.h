// A page of the configuration window: a skinned child window on the page
// rectangle that shows (and edits) the working copy of the configuration.
#pragma once

#include <QString>

#include "option/skin/SkinnedDialog.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

class ConfigPage : public SkinnedDialog {
    Q_OBJECT
public:
    // `working` is the record every page edits; it outlives the page.
    ConfigPage(ConfigBlock &working, QWidget *parent);
    // Shows the values of the working copy's current profile.
    virtual void reload() {}

protected:
    // The current profile of the working copy, or nullptr while none is.
    ProfileData *profile() { return working_.currentProfileData(); }
    ConfigBlock &working_;
};

} // namespace orvyn
