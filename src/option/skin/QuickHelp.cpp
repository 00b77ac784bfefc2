#include "option/skin/QuickHelp.h"

namespace orvyn {

QuickHelp &QuickHelp::instance() {
    static QuickHelp help;
    return help;
}

void QuickHelp::publish(bool entered, const QString &helpText) {
    text_ = entered ? helpText : QString();
    emit quickHelp(entered);
}

} // namespace orvyn
