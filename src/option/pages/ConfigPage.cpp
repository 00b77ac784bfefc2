#include "option/pages/ConfigPage.h"

namespace orvyn {

ConfigPage::ConfigPage(ConfigBlock &working, QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ChildPage, parent), working_(working) {}

} // namespace orvyn
