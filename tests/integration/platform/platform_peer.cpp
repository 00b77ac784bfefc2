// A second process for the cross-process tests. Each mode prints "ready"
// (or a result line) on stdout once it is in the state the test wants, then
// does its work; the test kills it or closes its stdin to end it.
//
//   hold-lock <runtime> <name>        hold an instance lock until stdin closes
//   hold-mutex <runtime>              open the block as a peer, lock the mutex,
//                                     wait to be killed
//   publish <runtime> <count>         publish whole blocks alternating two
//                                     patterns, <count> times
//   take-check <runtime> <count>      take <count> times, print "torn <n> seen <m>"
//   own-block <runtime> <fill>        create the block as owner, publish a
//                                     block of <fill> bytes, close normally
//                                     when stdin closes
//   bind <runtime> <title>            bind an endpoint; print bound/taken/error
//                                     then wait for stdin to close
//   echo <runtime> <title> <reply>    post every message received back to
//                                     <reply>; exit after WM_CLOSE
#include "platform/Endpoint.h"
#include "platform/InstanceLock.h"
#include "platform/SharedFile.h"
#include "shared/Messages.h"
#include "shared/SharedBlock.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <unistd.h>

using namespace orvyn;

namespace {

void say(const std::string &line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void waitForStdinToClose() {
    char buf[64];
    while (::read(STDIN_FILENO, buf, sizeof buf) > 0) {
    }
}

[[noreturn]] void sleepForever() {
    for (;;)
        ::pause();
}

int usage() {
    std::fprintf(stderr, "platform_peer: bad arguments\n");
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3)
        return usage();
    const std::string mode = argv[1];
    const std::string runtime = argv[2];

    if (mode == "hold-lock" && argc == 4) {
        InstanceLock lock;
        if (lock.acquire(runtime, argv[3]) != LockResult::Acquired) {
            say("refused");
            return 1;
        }
        say("ready");
        waitForStdinToClose();
        return 0;
    }

    if (mode == "hold-mutex") {
        RobustMutex mutex;
        if (mutex.open(runtime + kMutexObjectName) != SharedFileResult::Ready ||
            mutex.lock() == MutexLock::Failed) {
            say("failed");
            return 1;
        }
        say("ready");
        sleepForever();
    }

    if ((mode == "publish" || mode == "take-check") && argc == 4) {
        const long count = std::atol(argv[3]);
        SharedConfigBlock block;
        block.open(runtime);
        if (!block.hasBlock() || block.mutexState() != SharedObjectState::Ready) {
            say("failed " + block.error());
            return 1;
        }
        auto config = std::make_unique<ConfigBlock>();
        auto *bytes = reinterpret_cast<uint8_t *>(config.get());
        if (mode == "publish") {
            say("ready");
            for (long i = 0; i < count; ++i) {
                std::memset(bytes, (i & 1) ? 0xA5 : 0x5A, sizeof *config);
                if (!block.publish(*config)) {
                    say("publish failed");
                    return 1;
                }
            }
            say("done");
            return 0;
        }
        say("ready");
        long torn = 0;
        for (long i = 0; i < count; ++i) {
            if (!block.take(*config)) {
                say("take failed");
                return 1;
            }
            for (std::size_t k = 1; k < sizeof *config; ++k) {
                if (bytes[k] != bytes[0]) {
                    ++torn;
                    break;
                }
            }
        }
        say("torn " + std::to_string(torn) + " seen " + std::to_string(count));
        return 0;
    }

    if (mode == "own-block" && argc == 4) {
        SharedConfigBlock block;
        block.create(runtime);
        auto config = std::make_unique<ConfigBlock>();
        std::memset(config.get(), std::atoi(argv[3]), sizeof *config);
        if (!block.hasBlock() || !block.publish(*config)) {
            say("failed " + block.error());
            return 1;
        }
        say("ready");
        waitForStdinToClose();
        return 0; // the block closes and removes its files
    }

    if (mode == "bind" && argc == 4) {
        Endpoint ep;
        switch (ep.bind(runtime, argv[3])) {
        case BindResult::Bound:
            say("bound");
            break;
        case BindResult::Taken:
            say("taken");
            return 0;
        case BindResult::Error:
            say("error " + ep.error());
            return 1;
        }
        waitForStdinToClose();
        return 0;
    }

    if (mode == "echo" && argc == 5) {
        Endpoint ep;
        if (ep.bind(runtime, argv[3]) != BindResult::Bound) {
            say("error " + ep.error());
            return 1;
        }
        EndpointPoster poster(runtime);
        say("ready");
        for (;;) {
            pollfd p{ep.fd(), POLLIN, 0};
            if (::poll(&p, 1, -1) < 0)
                continue;
            for (const PostedMessage &m : ep.receive()) {
                // Retry while the test's queue is full; it drains meanwhile.
                while (!poster.post(argv[4], m))
                    ::usleep(1000);
                if (m.message == WM_CLOSE_MSG)
                    return 0;
            }
        }
    }

    return usage();
}
