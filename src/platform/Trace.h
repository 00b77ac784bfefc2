// Debug traces: written to stderr when ORVYN_TRACE=1, otherwise dropped.
#pragma once

#include <string_view>

namespace orvyn {

void trace(std::string_view text);
bool traceEnabled();

} // namespace orvyn
