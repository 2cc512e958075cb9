// The layer's background thread. Posted from any thread under the layer's lock; runs its tasks
// on its own thread.
#include "zuplay/task_thread.h"

namespace zuplay {

void TaskThread::Post(std::function<void()> task) {
    std::lock_guard lock(Mutex);
    if (Stopping) return;
    Queue.push_back(std::move(task));
    if (!Worker.joinable()) Worker = std::thread([this] { Run(); });
    Changed.notify_all();
}

void TaskThread::WaitIdle() {
    std::unique_lock lock(Mutex);
    Changed.wait(lock, [this] { return Queue.empty() && !Busy; });
}

void TaskThread::Stop() {
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard lock(Mutex);
        Stopping = true;
        dropped.swap(Queue);
        Changed.notify_all();
    }
    if (Worker.joinable()) Worker.join();
}

void TaskThread::Run() {
    std::unique_lock lock(Mutex);
    while (true) {
        Changed.wait(lock, [this] { return Stopping || !Queue.empty(); });
        if (Stopping) break;
        std::function<void()> task = std::move(Queue.front());
        Queue.pop_front();
        Busy = true;
        lock.unlock();
        task();
        task = nullptr;  // its captures are released outside the queue's lock
        lock.lock();
        Busy = false;
        Changed.notify_all();
    }
}

}  // namespace zuplay
