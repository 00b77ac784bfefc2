#include "support/HidTestbed.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>
#include <umockdev.h>
#include <unistd.h>

namespace orvyn::test {

namespace {

constexpr guint kReadHoldMs = 20; // a read with no input is answered "none" after this

std::string hex4(unsigned v) {
    char t[8];
    std::snprintf(t, sizeof t, "%04x", v);
    return t;
}

std::string take(gchar *text) {
    const std::string s = text ? text : "";
    g_free(text);
    return s;
}

std::string addDevice(UMockdevTestbed *tb, const char *subsystem, const std::string &name,
                      const std::string &parent, std::vector<std::string> attributes,
                      std::vector<std::string> properties) {
    auto list = [](std::vector<std::string> &v) {
        std::vector<gchar *> out;
        for (auto &s : v)
            out.push_back(s.data());
        out.push_back(nullptr);
        return out;
    };
    auto a = list(attributes), p = list(properties);
    const std::string path = take(umockdev_testbed_add_devicev(
        tb, subsystem, name.c_str(), parent.empty() ? nullptr : parent.c_str(), a.data(), p.data()));
    if (path.empty())
        throw std::runtime_error("umockdev cannot add " + name +
                                 " (is LD_PRELOAD=libumockdev-preload.so.0 set?)");
    return path;
}

gboolean onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data) {
    auto *node = static_cast<HidrawNode *>(data);
    const gulong request = umockdev_ioctl_client_get_request(client);
    const std::size_t size = HidrawNode::argumentSize(request);
    if (size == 0) {
        umockdev_ioctl_client_complete(client, -1, node->unplugged() ? ENODEV : ENOTTY);
        return TRUE;
    }
    GError *error = nullptr;
    UMockdevIoctlData *arg =
        umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, &error);
    if (!arg) {
        g_clear_error(&error);
        umockdev_ioctl_client_complete(client, -1, EFAULT);
        return TRUE;
    }
    std::vector<uint8_t> bytes(arg->data, arg->data + arg->data_len);
    const IoctlAnswer answer = node->ioctl(request, bytes);
    if (answer.result >= 0)
        umockdev_ioctl_data_update(arg, 0, bytes.data(), static_cast<gint>(bytes.size()));
    umockdev_ioctl_client_complete(client, answer.result, answer.error);
    g_object_unref(arg);
    return TRUE;
}

struct HeldRead {
    UMockdevIoctlClient *client;
    HidrawNode *node;
};

// poll() on a mocked node is always ready: a read with no input is held
// briefly (without blocking the other clients) and answered "none", or an
// error once the device is gone, as hidraw's read does.
gboolean onRead(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data) {
    auto *node = static_cast<HidrawNode *>(data);
    if (node->unplugged()) {
        umockdev_ioctl_client_complete(client, -1, EIO);
        return TRUE;
    }
    auto *held = new HeldRead{UMOCKDEV_IOCTL_CLIENT(g_object_ref(client)), node};
    GSource *timer = g_timeout_source_new(kReadHoldMs);
    g_source_set_callback(
        timer,
        [](gpointer p) -> gboolean {
            auto *h = static_cast<HeldRead *>(p);
            if (umockdev_ioctl_client_get_connected(h->client))
                umockdev_ioctl_client_complete(h->client, -1, h->node->unplugged() ? EIO : EAGAIN);
            return G_SOURCE_REMOVE;
        },
        held,
        [](gpointer p) {
            auto *h = static_cast<HeldRead *>(p);
            g_object_unref(h->client);
            delete h;
        });
    g_source_attach(timer, g_main_context_get_thread_default());
    g_source_unref(timer);
    return TRUE;
}

} // namespace

struct HidTestbed::Node {
    std::string interface, hid, hidraw, devnode;
    int number = -1;
    std::unique_ptr<HidrawNode> answers;
    UMockdevIoctlBase *handler = nullptr;
};

struct HidTestbed::Device {
    uint16_t vendorId, productId;
    int port;
    std::string usb;
    std::vector<Node> nodes;
};

HidTestbed::HidTestbed() {
    testbed_ = umockdev_testbed_new();
    root_ = take(umockdev_testbed_get_root_dir(testbed_));
}

HidTestbed::~HidTestbed() {
    while (!devices_.empty())
        unplug(devices_.begin()->first);
    g_object_unref(testbed_);
}

int HidTestbed::plug(uint16_t vendorId, uint16_t productId, const std::vector<Interface> &interfaces,
                     std::chrono::milliseconds gap) {
    const int handle = nextDevice_++;
    auto device = std::make_unique<Device>(Device{vendorId, productId, handle, {}, {}});
    device->usb = addDevice(
        testbed_, "usb", "1-" + std::to_string(handle), "",
        {"idVendor", hex4(vendorId), "idProduct", hex4(productId), "bcdDevice", "0100", "manufacturer",
         "Orvyn", "product", "Vantor", "bNumInterfaces", std::to_string(interfaces.size())},
        {"DEVTYPE", "usb_device", "PRODUCT", hex4(vendorId) + "/" + hex4(productId) + "/100"});
    Device &d = *devices_.emplace(handle, std::move(device)).first->second;
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        if (i > 0)
            std::this_thread::sleep_for(gap);
        addNode(d, i, interfaces[i]);
    }
    return handle;
}

void HidTestbed::addNode(Device &d, std::size_t index, const Interface &wanted) {
    Node node;
    const std::string number = "0" + std::to_string(index);
    node.interface = addDevice(testbed_, "usb", "1-" + std::to_string(d.port) + ":1." + std::to_string(index),
                               d.usb, {"bInterfaceNumber", number, "bInterfaceClass", "03"},
                               {"DEVTYPE", "usb_interface", "INTERFACE", "3/1/1"});
    char hidName[32];
    std::snprintf(hidName, sizeof hidName, "0003:%04X:%04X.%04X", d.vendorId, d.productId, nextHid_++);
    node.hid = addDevice(testbed_, "hid", hidName, node.interface, {},
                         {"HID_ID", "0003:0000" + hex4(d.vendorId) + ":0000" + hex4(d.productId), "HID_NAME",
                          "Orvyn Vantor", "HID_PHYS",
                          "usb-0000:00:14.0-" + std::to_string(d.port) + "/input" + std::to_string(index),
                          "HID_UNIQ", "", "DRIVER", "hid-generic"});
    std::vector<uint8_t> descriptor = reportDescriptor(wanted.kind);
    umockdev_testbed_set_attribute_binary(testbed_, node.hid.c_str(), "report_descriptor", descriptor.data(),
                                          static_cast<gint>(descriptor.size()));

    // The kernel gives the lowest free number.
    node.number = 0;
    while (numbers_.count(node.number))
        ++node.number;
    numbers_.insert(node.number);
    const std::string hidraw = "hidraw" + std::to_string(node.number);
    node.devnode = "/dev/" + hidraw;
    // The node and its answers exist before the add uevent is sent.
    node.answers = std::make_unique<HidrawNode>(wanted.kind, wanted.model, d.vendorId, d.productId);
    ::mkdir((root_ + "/dev").c_str(), 0755);
    const std::string file = root_ + node.devnode;
    const int fd = ::open(file.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        throw std::runtime_error("cannot make " + file);
    ::close(fd);
    node.handler = umockdev_ioctl_base_new();
    g_signal_connect(node.handler, "handle-ioctl", G_CALLBACK(onIoctl), node.answers.get());
    g_signal_connect(node.handler, "handle-read", G_CALLBACK(onRead), node.answers.get());
    GError *error = nullptr;
    if (!umockdev_testbed_attach_ioctl(testbed_, node.devnode.c_str(), node.handler, &error)) {
        const std::string why = error ? error->message : "?";
        g_clear_error(&error);
        throw std::runtime_error("cannot attach to " + node.devnode + ": " + why);
    }
    node.hidraw = addDevice(testbed_, "hidraw", hidraw, node.hid,
                            {"dev", "243:" + std::to_string(node.number)}, {"DEVNAME", hidraw});
    // hidapi reads the descriptor through this link; umockdev does not make it.
    umockdev_testbed_set_attribute_link(testbed_, node.hidraw.c_str(), "device", "..");
    d.nodes.push_back(std::move(node));
}

void HidTestbed::unplug(int handle) {
    const auto it = devices_.find(handle);
    if (it == devices_.end())
        return;
    Device &d = *it->second;
    for (Node &n : d.nodes) {
        n.answers->unplug();
        ::unlink((root_ + n.devnode).c_str());
    }
    for (Node &n : d.nodes)
        for (const std::string *path : {&n.hidraw, &n.hid, &n.interface})
            umockdev_testbed_uevent(testbed_, path->c_str(), "remove");
    umockdev_testbed_uevent(testbed_, d.usb.c_str(), "remove");
    // The sysfs entries outlive the uevents by a moment.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    for (Node &n : d.nodes) {
        for (const std::string *path : {&n.hidraw, &n.hid, &n.interface})
            umockdev_testbed_remove_device(testbed_, path->c_str());
        umockdev_testbed_detach_ioctl(testbed_, n.devnode.c_str(), nullptr);
        g_object_unref(n.handler);
        numbers_.erase(n.number);
        // A held read may still name the node's answers.
        retired_.push_back(std::move(n.answers));
    }
    umockdev_testbed_remove_device(testbed_, d.usb.c_str());
    devices_.erase(it);
}

HidrawNode &HidTestbed::node(int device, std::size_t interface) {
    return *devices_.at(device)->nodes.at(interface).answers;
}

} // namespace orvyn::test
