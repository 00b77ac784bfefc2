// The dialog in which the user chooses the program a programmable key
// starts: a path field, a file browser, OK, Cancel and close. The caller
// gives the current path and, after OK, turns the key into a program key
// with assignProgram() (editing/LaunchProgram.h).
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "option/skin/SkinNames.h"
#include "option/skin/SkinnedDialog.h"

namespace orvyn {

class LaunchProgramDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    using Section = LaunchProgramSkin::Section;
    using enum LaunchProgramSkin::Section;
    static constexpr int kPathFieldId = 4010;

    // Shows the file dialog starting in `folder`; the chosen file, or nullopt
    // when the user cancelled.
    using FileChooser = std::function<std::optional<QString>(QWidget *parent, const QString &folder)>;

    explicit LaunchProgramDialog(const QString &path, QWidget *parent = nullptr);

    // The path after OK (the field's text then).
    const QString &path() const { return path_; }

    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    // Where browsing starts: the user's desktop folder, else home.
    static QString startFolder();
    // The platform's file dialog for programs: "exe file(*.exe)" and, chosen
    // first, "All files (*)" (Linux programs have no extension; .desktop
    // files are fine too).
    static std::optional<QString> chooseProgramFile(QWidget *parent, const QString &folder);

    void command(int section) override;

private:
    void browse();
    void accept() override;

    QString path_;
    FileChooser chooser_;
};

} // namespace orvyn
