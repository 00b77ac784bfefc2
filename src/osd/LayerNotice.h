// The OSD's notice on Wayland compositors with a layer shell (wlroots ones,
// KDE Plasma): the overlay's panel as an overlay-layer surface on the output
// the compositor has focused, above fullscreen windows, taking neither the
// keyboard nor the pointer. Shown about two seconds; a new notice replaces
// the shown one. Qt's own platform may be X11 here, so this speaks to the
// compositor on a connection of its own.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <utility>
#include <vector>

#include "osd/OsdProgram.h"

struct wl_display;
struct wl_registry;
struct wl_compositor;
struct wl_shm;
struct wl_surface;
struct wl_buffer;
struct wl_output;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

namespace orvyn {

class LayerNotice final : public QObject {
public:
    LayerNotice();
    ~LayerNotice() override;
    LayerNotice(const LayerNotice &) = delete;
    LayerNotice &operator=(const LayerNotice &) = delete;

    // True when the session's compositor offers the layer shell.
    bool available() const { return shell_ != nullptr && !lost_; }
    void present(const Notice &notice);

    // Registry and surface callbacks (C entry points forward here).
    void global(wl_registry *registry, uint32_t name, const char *interface, uint32_t version);
    // The size asked for is the one given: the panel needs no other.
    void configured(uint32_t serial);
    void hide();
    // An output's scale, and the surface's arrival on an output: the panel
    // is drawn at the scale of the output it shows on, so it stays sharp.
    void outputScale(wl_output *output, int32_t scale);
    void entered(wl_output *output);

private:
    void dispatch();
    void flush();
    bool attachPanel();
    void drawPanel(int scale);
    // The panel at `opacity` (0-1) into the buffer shown.
    void showFrame(double opacity);
    void fadeStep();

    wl_display *display_ = nullptr;
    wl_registry *registry_ = nullptr;
    wl_compositor *compositor_ = nullptr;
    wl_shm *shm_ = nullptr;
    zwlr_layer_shell_v1 *shell_ = nullptr;
    wl_surface *surface_ = nullptr;
    zwlr_layer_surface_v1 *layer_ = nullptr;
    wl_buffer *buffer_ = nullptr;
    bool lost_ = false;
    std::vector<std::pair<wl_output *, int32_t>> outputs_; // and their scales
    Notice notice_;                                        // the one shown
    int scale_ = 1;                                        // the buffer's
    QImage full_;                                          // the notice drawn at the buffer's scale
    QImage panel_;                                         // that, at the opacity of the fade's step
    enum class Fade { In, Out } fade_ = Fade::In;
    QElapsedTimer fadeClock_;
    QTimer fadeTimer_;
    std::unique_ptr<QSocketNotifier> events_;
    QTimer holdTimer_;
};

} // namespace orvyn
