#include "option/skin/QuickHelp.h"

namespace orvyn {

QuickHelp &QuickHelp::instance() {
    static QuickHelp help;
    return help;
}

} // namespace orvyn
