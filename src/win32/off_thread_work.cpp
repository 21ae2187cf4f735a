#include "win32/off_thread_work.h"

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "win32/system_library.h"

namespace win32 {

namespace {

struct Job {
    std::function<void()> work;
    std::exception_ptr failure;
};

// The threads started and not yet waited for to the end. Only the window's thread starts
// and waits for them.
std::vector<HANDLE>& unfinished() {
    static std::vector<HANDLE> threads;
    return threads;
}

// The shell calls a job makes want COM on their thread. ole32 is loaded by the first job,
// not with the program: nothing before the widget is on screen needs it.
struct ComCalls {
    decltype(&::CoInitializeEx) initialize = comLibrary().find<decltype(&::CoInitializeEx)>("CoInitializeEx");
    decltype(&::CoUninitialize) uninitialize = comLibrary().find<decltype(&::CoUninitialize)>("CoUninitialize");
};

class ComApartment {
public:
    ComApartment() {
        if (calls().initialize && calls().uninitialize)
            joined_ = SUCCEEDED(calls().initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComApartment() {
        if (joined_) calls().uninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    static const ComCalls& calls() {
        static const ComCalls found;  // looked up once, by the first job's thread
        return found;
    }
    bool joined_ = false;
};

DWORD WINAPI runJob(void* parameter) {
    auto& job = *static_cast<Job*>(parameter);
    const ComApartment com;
    try {
        job.work();
    } catch (...) {
        job.failure = std::current_exception();
    }
    return 0;
}

// Waits for the thread, calling whileWaiting each time messages arrive; serves only sent
// messages when none is given.
void waitFor(HANDLE thread, DWORD timeoutMs, const std::function<void()>& whileWaiting) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD passed = ::GetTickCount() - start;
        if (timeoutMs != INFINITE && passed >= timeoutMs) return;
        const DWORD left = timeoutMs == INFINITE ? INFINITE : timeoutMs - passed;
        const DWORD wakeMask = whileWaiting ? QS_ALLINPUT : QS_SENDMESSAGE;
        const DWORD woke = ::MsgWaitForMultipleObjects(1, &thread, FALSE, left, wakeMask);
        if (woke != WAIT_OBJECT_0 + 1) return;  // ended, timed out or failed
        if (whileWaiting) {
            whileWaiting();
        } else {
            MSG message;
            (void)::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // delivers sent messages
        }
    }
}

void forget(HANDLE thread) {
    auto& threads = unfinished();
    threads.erase(std::remove(threads.begin(), threads.end(), thread), threads.end());
    ::CloseHandle(thread);
}

}  // namespace

void runOffThread(const std::function<void()>& work, const std::function<void()>& whileWaiting) {
    // The job lives in this frame: while this waits, the program's events (its exit
    // included) run in deeper frames, so the frame stays until the thread has ended.
    Job job{work, nullptr};
    HANDLE thread = ::CreateThread(nullptr, 0, runJob, &job, 0, nullptr);
    if (thread == nullptr) {
        work();
        return;
    }
    unfinished().push_back(thread);
    try {
        if (whileWaiting) whileWaiting();  // messages that came before the wait began
        waitFor(thread, INFINITE, whileWaiting);
    } catch (...) {
        // An event handler threw: the thread still uses the job, so it is waited for first.
        waitFor(thread, INFINITE, {});
        forget(thread);
        throw;
    }
    forget(thread);
    if (job.failure) std::rethrow_exception(job.failure);
}

void exitProcessAfterOffThreadWork(unsigned status) {
    constexpr DWORD kGraceMs = 60000;  // a call that never ends does not keep the program
    const DWORD start = ::GetTickCount();
    for (HANDLE thread : std::vector<HANDLE>(unfinished())) {
        const DWORD passed = ::GetTickCount() - start;
        if (passed >= kGraceMs) break;
        waitFor(thread, kGraceMs - passed, {});
    }
    ::ExitProcess(status);
}

}  // namespace win32
