#include "osd/LayerNotice.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include "osd/NoticeOverlay.h"
// The protocol names an argument `namespace`, a C++ keyword.
#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace

namespace orvyn {

namespace {

constexpr int kFrameMs = 16;

void onGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version) {
    static_cast<LayerNotice *>(data)->global(registry, name, interface, version);
}
void onGlobalRemove(void *, wl_registry *, uint32_t) {}
const wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemove};

void onConfigure(void *data, zwlr_layer_surface_v1 *, uint32_t serial, uint32_t, uint32_t) {
    static_cast<LayerNotice *>(data)->configured(serial);
}
void onClosed(void *data, zwlr_layer_surface_v1 *) {
    static_cast<LayerNotice *>(data)->hide();
}
const zwlr_layer_surface_v1_listener kLayerListener = {onConfigure, onClosed};

void onOutputGeometry(void *, wl_output *, int32_t, int32_t, int32_t, int32_t, int32_t, const char *,
                      const char *, int32_t) {}
void onOutputMode(void *, wl_output *, uint32_t, int32_t, int32_t, int32_t) {}
void onOutputDone(void *, wl_output *) {}
void onOutputScale(void *data, wl_output *output, int32_t scale) {
    static_cast<LayerNotice *>(data)->outputScale(output, scale);
}
void onOutputText(void *, wl_output *, const char *) {}
const wl_output_listener kOutputListener = {onOutputGeometry, onOutputMode, onOutputDone,
                                            onOutputScale,    onOutputText, onOutputText};

void onEnter(void *data, wl_surface *, wl_output *output) {
    static_cast<LayerNotice *>(data)->entered(output);
}
void onLeave(void *, wl_surface *, wl_output *) {}
const wl_surface_listener kSurfaceListener = {onEnter, onLeave};

// Scales beyond this are not real outputs; they would only cost memory.
constexpr int32_t kScaleMax = 4;

} // namespace

LayerNotice::LayerNotice() {
    if (std::getenv("WAYLAND_DISPLAY") == nullptr)
        return;
    display_ = wl_display_connect(nullptr);
    if (display_ == nullptr)
        return;
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, this);
    if (wl_display_roundtrip(display_) < 0 || compositor_ == nullptr || shm_ == nullptr) {
        shell_ = nullptr; // without the others it is of no use
        return;
    }
    events_ = std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Read);
    connect(events_.get(), &QSocketNotifier::activated, this, [this] { dispatch(); });
    holdTimer_.setSingleShot(true);
    connect(&holdTimer_, &QTimer::timeout, this, [this] {
        fade_ = Fade::Out;
        fadeClock_.start();
        fadeTimer_.start(kFrameMs);
    });
    connect(&fadeTimer_, &QTimer::timeout, this, [this] { fadeStep(); });
}

LayerNotice::~LayerNotice() {
    hide();
    events_.reset();
    if (shell_ != nullptr)
        zwlr_layer_shell_v1_destroy(shell_);
    if (shm_ != nullptr)
        wl_shm_destroy(shm_);
    if (compositor_ != nullptr)
        wl_compositor_destroy(compositor_);
    for (auto &[output, scale] : outputs_)
        wl_output_destroy(output);
    if (registry_ != nullptr)
        wl_registry_destroy(registry_);
    if (display_ != nullptr)
        wl_display_disconnect(display_);
}

void LayerNotice::global(wl_registry *registry, uint32_t name, const char *interface, uint32_t version) {
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 && compositor_ == nullptr)
        compositor_ =
            static_cast<wl_compositor *>(wl_registry_bind(registry, name, &wl_compositor_interface, 4));
    else if (std::strcmp(interface, wl_shm_interface.name) == 0 && shm_ == nullptr)
        shm_ = static_cast<wl_shm *>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    else if (std::strcmp(interface, wl_output_interface.name) == 0 && version >= 2 && outputs_.size() < 64) {
        auto *output = static_cast<wl_output *>(wl_registry_bind(registry, name, &wl_output_interface, 2));
        outputs_.emplace_back(output, 1);
        wl_output_add_listener(output, &kOutputListener, this);
    } else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0 && shell_ == nullptr &&
               version >= 1)
        shell_ = static_cast<zwlr_layer_shell_v1 *>(
            wl_registry_bind(registry, name, &zwlr_layer_shell_v1_interface, 1));
}

void LayerNotice::dispatch() {
    if (wl_display_dispatch(display_) < 0) {
        // The compositor is gone: nothing more can be shown this way.
        events_->setEnabled(false);
        lost_ = true;
        return;
    }
    flush();
}

void LayerNotice::flush() {
    if (display_ != nullptr)
        wl_display_flush(display_);
}

void LayerNotice::present(const Notice &notice) {
    if (!available())
        return;
    hide(); // a new notice replaces the shown one at once
    notice_ = notice;
    // Until the surface enters an output, the largest scale: sharp there,
    // and the compositor only shrinks it elsewhere.
    int32_t scale = 1;
    for (const auto &[output, outputScale] : outputs_)
        scale = std::max(scale, outputScale);
    drawPanel(scale);
    showFrame(0.0); // the fade starts from nothing
    const QSize size = NoticeOverlay::panelSize(notice);
    surface_ = wl_compositor_create_surface(compositor_);
    wl_surface_add_listener(surface_, &kSurfaceListener, this);
    // An empty input region: clicks go to the window below.
    wl_region *none = wl_compositor_create_region(compositor_);
    wl_surface_set_input_region(surface_, none);
    wl_region_destroy(none);
    // No output given: the compositor puts it on the one it has focused.
    layer_ = zwlr_layer_shell_v1_get_layer_surface(shell_, surface_, nullptr,
                                                   ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "orvyn-osd");
    zwlr_layer_surface_v1_add_listener(layer_, &kLayerListener, this);
    zwlr_layer_surface_v1_set_size(layer_, uint32_t(size.width()), uint32_t(size.height()));
    zwlr_layer_surface_v1_set_anchor(layer_, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP);
    zwlr_layer_surface_v1_set_margin(layer_, kNoticeTopMargin, 0, 0, 0);
    zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer_,
                                                     ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    wl_surface_commit(surface_);
    flush();
    fade_ = Fade::In;
    fadeClock_.start();
    fadeTimer_.start(kFrameMs);
    holdTimer_.start(kNoticeShownMs);
}

void LayerNotice::fadeStep() {
    const double part = std::min(1.0, double(fadeClock_.elapsed()) / kNoticeFadeMs);
    if (fade_ == Fade::Out && part >= 1.0) {
        hide();
        return;
    }
    if (part >= 1.0)
        fadeTimer_.stop();
    showFrame(fade_ == Fade::In ? part : 1.0 - part);
}

void LayerNotice::showFrame(double opacity) {
    panel_ = QImage(full_.size(), QImage::Format_ARGB32_Premultiplied);
    panel_.fill(Qt::transparent);
    {
        QPainter p(&panel_);
        p.setOpacity(opacity);
        p.drawImage(0, 0, full_);
    }
    if (surface_ == nullptr || buffer_ == nullptr)
        return; // not configured yet: the first buffer goes with the configure
    wl_buffer_destroy(buffer_);
    buffer_ = nullptr;
    if (!attachPanel()) {
        hide();
        return;
    }
    wl_surface_commit(surface_);
    flush();
}

void LayerNotice::configured(uint32_t serial) {
    if (layer_ == nullptr)
        return;
    zwlr_layer_surface_v1_ack_configure(layer_, serial);
    if (buffer_ == nullptr && !attachPanel()) {
        hide();
        return;
    }
    wl_surface_commit(surface_);
    flush();
}

void LayerNotice::drawPanel(int scale) {
    scale_ = std::clamp(scale, 1, kScaleMax);
    const QSize size = NoticeOverlay::panelSize(notice_);
    full_ = QImage(size * scale_, QImage::Format_ARGB32_Premultiplied);
    full_.setDevicePixelRatio(scale_);
    full_.fill(Qt::transparent);
    QPainter p(&full_);
    NoticeOverlay::paintPanel(p, notice_, size);
}

void LayerNotice::outputScale(wl_output *output, int32_t scale) {
    for (auto &[known, knownScale] : outputs_) {
        if (known == output)
            knownScale = std::clamp(scale, 1, kScaleMax);
    }
}

void LayerNotice::entered(wl_output *output) {
    for (const auto &[known, scale] : outputs_) {
        if (known != output || scale == scale_ || surface_ == nullptr)
            continue;
        drawPanel(scale);
        const double part = std::min(1.0, double(fadeClock_.elapsed()) / kNoticeFadeMs);
        showFrame(fadeTimer_.isActive() ? (fade_ == Fade::In ? part : 1.0 - part) : 1.0);
        return;
    }
}

bool LayerNotice::attachPanel() {
    const int stride = int(panel_.bytesPerLine());
    const size_t bytes = size_t(stride) * size_t(panel_.height());
    const int fd = memfd_create("orvyn-osd", MFD_CLOEXEC);
    if (fd < 0)
        return false;
    if (ftruncate(fd, off_t(bytes)) != 0) {
        close(fd);
        return false;
    }
    void *map = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (map == MAP_FAILED) {
        close(fd);
        return false;
    }
    // Premultiplied ARGB32 in host order is the shell's ARGB8888.
    std::memcpy(map, panel_.constBits(), bytes);
    munmap(map, bytes);
    wl_shm_pool *pool = wl_shm_create_pool(shm_, fd, int32_t(bytes));
    buffer_ =
        wl_shm_pool_create_buffer(pool, 0, panel_.width(), panel_.height(), stride, WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_surface_set_buffer_scale(surface_, scale_);
    wl_surface_attach(surface_, buffer_, 0, 0);
    wl_surface_damage(surface_, 0, 0, panel_.width() / scale_, panel_.height() / scale_);
    return true;
}

void LayerNotice::hide() {
    holdTimer_.stop();
    fadeTimer_.stop();
    if (layer_ != nullptr)
        zwlr_layer_surface_v1_destroy(layer_);
    if (surface_ != nullptr)
        wl_surface_destroy(surface_);
    if (buffer_ != nullptr)
        wl_buffer_destroy(buffer_);
    layer_ = nullptr;
    surface_ = nullptr;
    buffer_ = nullptr;
    flush();
}

} // namespace orvyn
