// One control of a skinned window as its skin file places it:
// "name,x,y,w,h,help", e.g. "Button1,25,192,185,40,Shows the key page".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvyn {

inline constexpr std::size_t kControlNameMax = 39;  // characters kept of the name
inline constexpr std::size_t kControlHelpMax = 403; // characters kept of the help text

// Plain record, zero-filled before use; text fields are zero-terminated.
struct ControlPlacement {
    char name[kControlNameMax + 1];
    int32_t left;
    int32_t top;
    int32_t right;  // left + width
    int32_t bottom; // top + height
    char help[kControlHelpMax + 1];

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
};
static_assert(sizeof(ControlPlacement) == 460);
static_assert(offsetof(ControlPlacement, name) == 0);
static_assert(offsetof(ControlPlacement, left) == 40);
static_assert(offsetof(ControlPlacement, top) == 44);
static_assert(offsetof(ControlPlacement, right) == 48);
static_assert(offsetof(ControlPlacement, bottom) == 52);
static_assert(offsetof(ControlPlacement, help) == 56);

// name = text before the first comma (all of it when there is none), cut to
// 39 characters. After that comma four integers "x,y,w,h" are read the way
// "%d,%d,%d,%d" reads them: the first that is missing or malformed ends the
// reading and it and the rest stay 0. help = text after the last comma of
// the remainder, trimmed, cut to 403 characters; so a help text cannot hold
// a comma, and of two text fields after the numbers only the second counts.
// Sums that do not fit 32 bits saturate instead of wrapping.
ControlPlacement ParseControlLine(std::string_view line);

} // namespace orvyn
