#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

namespace orvanta::log {

// The message queue of one log thread. Any thread may post; only the owning thread waits.
// Messages are taken in the order they were posted.
template <typename Message>
class MessageQueue {
 public:
  // Returns false, and drops the message, once the queue has been closed.
  bool Post(Message message) {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return false;
      messages_.push_back(std::move(message));
    }
    posted_.notify_one();
    return true;
  }

  // Blocks until a message is there and takes it.
  Message Wait() {
    std::unique_lock lock(mutex_);
    posted_.wait(lock, [this] { return !messages_.empty(); });
    Message message = std::move(messages_.front());
    messages_.pop_front();
    return message;
  }

  // Refuses every later post and drops the messages not yet taken. Called by the owning thread
  // when it ends, so that nothing waits in a queue nobody reads.
  void Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    messages_.clear();
  }

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<Message> messages_;
  bool closed_ = false;
};

}  // namespace orvanta::log
