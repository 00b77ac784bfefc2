// The profile dialog: the name of the current profile and the game program
// that brings it to the front. New starts with empty fields, Edit with the
// profile's own. Only OK changes the profile (in the working copy).
#pragma once

#include "option/dialogs/FileChooser.h"
#include "option/skin/SkinNames.h"
#include "option/skin/SkinnedDialog.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

class ProfileDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    enum class Mode { Edit = 0, New = 1 };
    using Section = ProfileDialogSkin::Section;
    using enum ProfileDialogSkin::Section;
    // Characters the user may type. A longer stored name is shown whole and
    // kept unless the user edits it; editing can shorten it, not lengthen it.
    static constexpr int kNameLength = 20;

    ProfileDialog(ProfileData &profile, Mode mode, FileChooser &files, QWidget *parent);

    BitmapEdit *nameField() const { return edit(NameField); }
    BitmapEdit *gameField() const { return edit(GameField); }

    void command(int section) override;
    // OK: the fields go into the profile.
    void accept() override;

private:
    void browse();

    ProfileData &profile_;
    FileChooser &files_;
    Mode mode_;
    QString shownName_; // as the fields started (Edit)
    QString shownGame_;
};

} // namespace orvyn
