#include "platform/qt/EndpointListener.h"
#include "shared/Messages.h"
#include "support/TempRuntime.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

namespace orvyn {
namespace {

class EndpointListenerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "platform_qt_tests";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            app_ = new QCoreApplication(argc, argv);
    }
    static inline QCoreApplication *app_ = nullptr;
};

TEST_F(EndpointListenerTest, DeliversPostedMessagesOnTheEventLoop) {
    test::TempRuntime tmp;
    EndpointListener listener;
    ASSERT_EQ(listener.bind(tmp.runtime(), kMonitorTitle), BindResult::Bound);
    QSignalSpy spy(&listener, &EndpointListener::messageReceived);

    EndpointPoster poster(tmp.runtime());
    ASSERT_TRUE(poster.post(kMonitorTitle, WM_COMMAND_MSG, CMD_CUSTOMIZER));
    PostedMessage notice;
    notice.message = WM_COPYDATA_MSG;
    notice.dwData = 9;
    notice.copyData = {'h', 'i'};
    ASSERT_TRUE(poster.post(kMonitorTitle, notice));

    for (int i = 0; i < 50 && spy.count() < 2; ++i)
        spy.wait(100);
    ASSERT_EQ(spy.count(), 2);
    const auto first = spy.at(0).at(0).value<PostedMessage>();
    EXPECT_EQ(first.message, WM_COMMAND_MSG);
    EXPECT_EQ(first.wParam, CMD_CUSTOMIZER);
    const auto second = spy.at(1).at(0).value<PostedMessage>();
    EXPECT_EQ(second.dwData, 9u);
    EXPECT_EQ(second.copyData, notice.copyData);
}

TEST_F(EndpointListenerTest, HandlerMayCloseTheListenerMidBatch) {
    test::TempRuntime tmp;
    auto listener = std::make_unique<EndpointListener>();
    ASSERT_EQ(listener->bind(tmp.runtime(), kOptionTitle), BindResult::Bound);
    int handled = 0;
    QObject::connect(listener.get(), &EndpointListener::messageReceived, [&](const PostedMessage &m) {
        ++handled;
        if (m.message == WM_CLOSE_MSG)
            listener->close();
    });
    EndpointPoster poster(tmp.runtime());
    ASSERT_TRUE(poster.post(kOptionTitle, WM_CLOSE_MSG));
    ASSERT_TRUE(poster.post(kOptionTitle, WM_APPLY_DONE));
    for (int i = 0; i < 50 && handled == 0; ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_EQ(handled, 1) << "nothing is emitted after the handler closed the endpoint";
    EXPECT_FALSE(poster.exists(kOptionTitle));
}

TEST_F(EndpointListenerTest, QueuedConnectionsCarryTheMessage) {
    test::TempRuntime tmp;
    EndpointListener listener;
    ASSERT_EQ(listener.bind(tmp.runtime(), kOptionTitle), BindResult::Bound);
    PostedMessage seen;
    bool arrived = false;
    QObject receiver;
    QObject::connect(
        &listener, &EndpointListener::messageReceived, &receiver,
        [&](const PostedMessage &m) {
            seen = m;
            arrived = true;
        },
        Qt::QueuedConnection);
    EndpointPoster poster(tmp.runtime());
    ASSERT_TRUE(poster.post(kOptionTitle, WM_LIGHTING_CHANGED, 4, 5));
    for (int i = 0; i < 50 && !arrived; ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    ASSERT_TRUE(arrived);
    EXPECT_EQ(seen.message, WM_LIGHTING_CHANGED);
    EXPECT_EQ(seen.lParam, 5);
}

} // namespace
} // namespace orvyn
