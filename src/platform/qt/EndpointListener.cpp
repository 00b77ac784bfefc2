#include "platform/qt/EndpointListener.h"

#include <QPointer>
#include <QSocketNotifier>

namespace orvyn {

EndpointListener::EndpointListener(QObject *parent) : QObject(parent) {
    qRegisterMetaType<orvyn::PostedMessage>();
}

EndpointListener::~EndpointListener() {
    close();
}

BindResult EndpointListener::bind(const std::string &runtimeFolder, const std::string &title) {
    close();
    const BindResult result = endpoint_.bind(runtimeFolder, title);
    if (result != BindResult::Bound)
        return result;
    notifier_ = new QSocketNotifier(endpoint_.fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndpointListener::drain);
    return result;
}

void EndpointListener::close() {
    if (notifier_) {
        // close() may run inside the notifier's own signal: stop it now,
        // delete it once control is back in the event loop.
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    endpoint_.close();
}

void EndpointListener::drain() {
    const std::vector<PostedMessage> messages = endpoint_.receive();
    // A handler may close or delete this listener; stop emitting then.
    QPointer<EndpointListener> alive(this);
    for (const PostedMessage &m : messages) {
        if (!alive || !endpoint_.isBound())
            return;
        emit messageReceived(m);
    }
}

} // namespace orvyn
