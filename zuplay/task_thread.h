// One background thread that runs the multimedia layer's slow work in order: opening the audio
// device and decoding long sounds. Tasks are posted under the layer's lock and take that lock
// themselves only when they hand their result back.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace zuplay {

class TaskThread {
  public:
    TaskThread() = default;
    ~TaskThread() { Stop(); }
    TaskThread(const TaskThread&) = delete;
    TaskThread& operator=(const TaskThread&) = delete;

    // Runs task after the ones already posted; the thread starts with the first task. Ignored
    // once stopped.
    void Post(std::function<void()> task);
    // Returns when nothing is queued or running.
    void WaitIdle();
    // Drops what has not started, waits for the running task and ends the thread. Tasks that
    // can take long watch their own cancel flag.
    void Stop();

  private:
    void Run();

    std::mutex Mutex;
    std::condition_variable Changed;
    std::deque<std::function<void()>> Queue;  // guarded by Mutex
    bool Busy = false;                        // a task is running; guarded by Mutex
    bool Stopping = false;                    // guarded by Mutex
    std::thread Worker;
};

}  // namespace zuplay
