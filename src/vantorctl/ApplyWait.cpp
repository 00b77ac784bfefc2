#include "vantorctl/ApplyWait.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>

#include "shared/Messages.h"

namespace orvyn::ctl {

std::vector<PostedMessage> EndpointSource::wait(std::chrono::milliseconds timeout) {
    pollfd p{endpoint_.fd(), POLLIN, 0};
    const int ms = static_cast<int>(std::clamp<int64_t>(timeout.count(), 0, 60'000));
    const int ready = ::poll(&p, 1, ms);
    if (ready <= 0) // a signal ends the slice early; the caller looks again
        return {};
    return endpoint_.receive();
}

ApplyEnd waitForApply(ConfigSession &session, MessageSource &source, MessagePoster &poster,
                      const Clock &clock, const WaitTiming &timing, const bool &closed) {
    const Millis start = clock.now();
    Millis nextWatch = start + timing.watch;
    auto finish = [&](ApplyEnd end) {
        session.finishApply(end);
        return end;
    };
    while (session.waiting()) {
        if (closed)
            return finish(ApplyEnd::MonitorGone);
        const Millis now = clock.now();
        if (now - start >= timing.limit)
            return finish(ApplyEnd::TimedOut);
        if (now >= nextWatch) {
            nextWatch = now + timing.watch;
            if (!poster.exists(kMonitorTitle))
                return finish(ApplyEnd::MonitorGone);
        }
        const Millis slice = std::min(nextWatch - now, start + timing.limit - now);
        for (const PostedMessage &m : source.wait(slice)) {
            session.handleMessage(m);
            if (!session.waiting())
                return ApplyEnd::Answered;
        }
    }
    return ApplyEnd::Answered;
}

} // namespace orvyn::ctl
