// A plain xcb connection to the X server of $DISPLAY, for the small property
// lookups the programs make beside Qt (active window, its state and owner).
#pragma once

#include <cstdint>

struct xcb_connection_t;

namespace orvyn {

struct X11Display {
    xcb_connection_t *connection = nullptr;
    uint32_t root = 0; // root window of the default screen
};

// Connects when DISPLAY is set and the server answers; `connection` stays
// null otherwise. The caller disconnects with xcb_disconnect.
X11Display connectToX11Display();

// The atom of `name`, or XCB_ATOM_NONE (0) when the server gives none.
uint32_t internX11Atom(xcb_connection_t *connection, const char *name);

} // namespace orvyn
