#pragma once
// Calls that can take seconds (emptying a full recycle bin) run on a thread of their own
// while the window's thread goes on answering its messages.
#include <functional>

namespace platform::win32 {

// Runs `work` on a new thread with COM initialised (single-threaded apartment, as shell
// calls want) and waits for it; whileWaiting runs whenever messages arrive meanwhile. An
// exception thrown by `work` is thrown again here. When no thread can be started, `work`
// runs on the calling thread.
void runOffThread(const std::function<void()>& work, const std::function<void()>& whileWaiting);

// Waits for every thread runOffThread started to end, at most timeoutMs, serving messages
// other threads send meanwhile. The exit calls it before ending the process, so that no
// work is cut off in the middle of a system call (a bin half emptied, a lock held).
void finishOffThreadWork(unsigned timeoutMs);

}  // namespace platform::win32
