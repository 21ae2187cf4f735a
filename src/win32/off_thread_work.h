#pragma once
// Calls that can take seconds (emptying a full recycle bin) run on a thread of their own
// while the window's thread goes on answering its messages.
#include <functional>

namespace win32 {

// Runs `work` on a new thread with COM initialised (single-threaded apartment, as shell
// calls want) and waits for it; whileWaiting runs whenever messages arrive meanwhile. An
// exception thrown by `work` is thrown again here. When no thread can be started, `work`
// runs on the calling thread.
void runOffThread(const std::function<void()>& work, const std::function<void()>& whileWaiting);

// Ends the process (ExitProcess) once every thread runOffThread started has ended, at most
// a minute later, serving messages other threads send meanwhile: work cut off in the middle
// of a system call could leave a bin half emptied, or a lock held that the process's last
// steps need. Every way the program ends goes through here.
[[noreturn]] void exitProcessAfterOffThreadWork(unsigned status);

}  // namespace win32
