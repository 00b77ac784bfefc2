// An in-process message queue served by one thread (the device worker's
// thread messages). post() never blocks; take() blocks until a message
// arrives or the queue is closed. A queue of bounded capacity refuses a
// post when full, as a full thread-message queue does.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <mutex>
#include <optional>

namespace orvyn {

struct ThreadMessage {
    uint32_t message = 0;
    int64_t wParam = 0;
    int64_t lParam = 0;
};

template <typename T> class ThreadQueue {
public:
    explicit ThreadQueue(std::size_t capacity = std::numeric_limits<std::size_t>::max())
        : capacity_(capacity) {}

    // False once the queue is closed (the thread is gone or going), or when
    // `capacity` items already wait.
    bool post(T item) {
        {
            std::lock_guard lock(mutex_);
            if (closed_ || items_.size() >= capacity_)
                return false;
            items_.push_back(std::move(item));
        }
        ready_.notify_one();
        return true;
    }

    // The next message; nullopt when the queue was closed (the WM_QUIT of
    // this queue). Messages posted before close() are dropped.
    std::optional<T> take() {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return closed_ || !items_.empty(); });
        if (closed_)
            return std::nullopt;
        T item = std::move(items_.front());
        items_.pop_front();
        return item;
    }

    void close() {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
            items_.clear();
        }
        ready_.notify_all();
    }

    std::size_t size() const {
        std::lock_guard lock(mutex_);
        return items_.size();
    }

private:
    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<T> items_;
    bool closed_ = false;
};

} // namespace orvyn
