#include "option/dialogs/ConfigPage.h"

namespace orvyn {

ConfigPage::ConfigPage(ConfigBlock &working, QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ChildPage, parent), working_(working) {}

SkinOnlyPage::SkinOnlyPage(ConfigBlock &working, const QString &skinFile, QWidget *parent)
    : ConfigPage(working, parent) {
    loadSkin(skinFile, {});
}

} // namespace orvyn
