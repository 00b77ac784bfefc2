// The receiving endpoint on the Qt event loop: owns an Endpoint, watches its
// descriptor and emits each valid message that arrives, in order.
#pragma once

#include "platform/Endpoint.h"
#include "platform/MessagePoster.h"

#include <QMetaType>
#include <QObject>
#include <string>

class QSocketNotifier;

Q_DECLARE_METATYPE(orvyn::PostedMessage)

namespace orvyn {

class EndpointListener : public QObject {
    Q_OBJECT
public:
    explicit EndpointListener(QObject *parent = nullptr);
    ~EndpointListener() override;

    // Binds <runtimeFolder><title> and starts watching it.
    BindResult bind(const std::string &runtimeFolder, const std::string &title);
    // Stops watching; removes the socket file.
    void close();
    const Endpoint &endpoint() const { return endpoint_; }

signals:
    // Queued connections work too: the type is registered.
    void messageReceived(const orvyn::PostedMessage &message);

private:
    void drain();

    Endpoint endpoint_;
    QSocketNotifier *notifier_ = nullptr; // child of this
};

} // namespace orvyn
