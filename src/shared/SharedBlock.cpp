#include "shared/SharedBlock.h"

#include "platform/Endpoint.h"
#include "platform/InstanceLock.h"
#include "platform/UnixAddress.h"
#include "shared/Messages.h"

#include <cstring>

namespace orvyn {

namespace {

SharedObjectState stateOf(SharedFileResult r) {
    switch (r) {
    case SharedFileResult::Ready:
        return SharedObjectState::Ready;
    case SharedFileResult::Missing:
        return SharedObjectState::Absent;
    case SharedFileResult::Invalid:
    case SharedFileResult::Error:
        break;
    }
    return SharedObjectState::Failed;
}

void appendError(std::string &to, const std::string &error) {
    if (error.empty())
        return;
    if (!to.empty())
        to += "; ";
    to += error;
}

} // namespace

bool monitorRunning(const std::string &runtimeFolder) {
    if (const std::optional<bool> held = instanceLockHeld(runtimeFolder, kMonitorInstanceName); held && *held)
        return true;
    // The lock table may not show it (another mount or namespace view).
    const std::optional<UnixAddress> endpoint = unixAddress(endpointPath(runtimeFolder, kMonitorTitle));
    return endpoint && probeUnixSocket(*endpoint, SOCK_DGRAM | SOCK_NONBLOCK) == SocketProbe::Live;
}

SharedConfigBlock::~SharedConfigBlock() {
    close();
}

void SharedConfigBlock::create(const std::string &runtimeFolder) {
    close();
    side_ = Side::Owner;
    folder_ = runtimeFolder;
    mutexState_ = stateOf(mutex_.create(runtimeFolder + kMutexObjectName));
    appendError(error_, mutex_.error());
    blockState_ = stateOf(block_.create(runtimeFolder + kShareDataName, sizeof(ConfigBlock)));
    appendError(error_, block_.error());
}

void SharedConfigBlock::open(const std::string &runtimeFolder, BlockOwner owner) {
    close();
    side_ = Side::Peer;
    owner_ = owner;
    folder_ = runtimeFolder;
    openObjects();
}

void SharedConfigBlock::openObjects() {
    block_.close();
    mutex_.close();
    error_.clear();
    mutexState_ = blockState_ = SharedObjectState::Absent;
    // Left behind by a Monitor that died: not a record anyone keeps.
    if (owner_ == BlockOwner::MonitorMustRun && !monitorRunning(folder_))
        return;
    mutexState_ = stateOf(mutex_.open(folder_ + kMutexObjectName));
    appendError(error_, mutex_.error());
    blockState_ = stateOf(block_.open(folder_ + kShareDataName, sizeof(ConfigBlock)));
    appendError(error_, block_.error());
}

bool SharedConfigBlock::attach() {
    if (side_ == Side::Peer && (!(block_.isStillInPlace() && mutex_.isStillInPlace()) ||
                                (owner_ == BlockOwner::MonitorMustRun && !monitorRunning(folder_))))
        openObjects();
    return block_.isMapped() && mutex_.isOpen();
}

void SharedConfigBlock::close() {
    block_.close();
    mutex_.close();
    side_ = Side::None;
    owner_ = BlockOwner::Any;
    folder_.clear();
    blockState_ = SharedObjectState::Absent;
    mutexState_ = SharedObjectState::Absent;
    error_.clear();
}

bool SharedConfigBlock::publish(const ConfigBlock &config) {
    if (!attach())
        return false;
    MutexGuard guard(mutex_);
    if (!guard.locked())
        return false;
    // A file cut behind our back would fault the copy; Monitor gives it
    // back its size and this copy fills it again.
    if (block_.checkSize() == SharedBlockFile::SizeCheck::Broken)
        return false;
    std::memcpy(block_.data(), &config, sizeof config);
    return true;
}

bool SharedConfigBlock::take(ConfigBlock &config) {
    if (!attach())
        return false;
    MutexGuard guard(mutex_);
    if (!guard.locked())
        return false;
    // After a cut the record is gone: nothing to take.
    if (block_.checkSize() != SharedBlockFile::SizeCheck::Intact)
        return false;
    std::memcpy(&config, block_.data(), sizeof config);
    return true;
}

} // namespace orvyn
