// Debug traces: written to stderr when ORVYN_TRACE=1, otherwise dropped.
#pragma once

#include <string_view>

namespace orvyn {

void trace(std::string_view text);
bool traceEnabled();

// What the user should know (a refused file, a failed save): always written
// to stderr, after the program's name.
void warn(std::string_view text);

} // namespace orvyn
