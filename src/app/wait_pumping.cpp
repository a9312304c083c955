#include "app/wait_pumping.h"

#include <windows.h>

#include <memory>
#include <thread>

#include "app/win_handle.h"

bool pump_pending_messages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

namespace {

// Without a waitable timer: the same wait, measured by the tick count.
void wait_by_ticks(int microseconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(microseconds > 0 ? microseconds : 0) / 1000;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        DWORD r = MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                              MWMO_INPUTAVAILABLE);
        if (r == WAIT_OBJECT_0 && !pump_pending_messages()) return;
    }
}

}  // namespace

void wait_pumping(int microseconds) {
    KernelHandle timer(CreateWaitableTimerW(nullptr, FALSE, nullptr));
    if (!timer) return wait_by_ticks(microseconds);
    LARGE_INTEGER due;
    // Negative means relative, in units of 100 ns. Zero or a negative time
    // gives a due time in the past, which fires at once.
    due.QuadPart = -static_cast<LONGLONG>(microseconds) * 10;
    if (!SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) return wait_by_ticks(microseconds);
    HANDLE handles[] = {timer.get()};
    for (;;) {
        DWORD r = MsgWaitForMultipleObjectsEx(1, handles, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (r == WAIT_OBJECT_0 + 1) {
            if (!pump_pending_messages()) return;
            continue;
        }
        return;  // the timer fired, or the wait failed
    }
}

bool run_pumping(std::function<void()> work) {
    // The event outlives this call when the quit message cuts the wait short.
    auto done = std::shared_ptr<void>(CreateEventW(nullptr, TRUE, FALSE, nullptr), [](void* h) {
        if (h) CloseHandle(h);
    });
    if (!done) {
        work();
        return true;
    }
    std::thread([done, work = std::move(work)] {
        work();
        SetEvent(done.get());
    }).detach();
    HANDLE handles[] = {done.get()};
    for (;;) {
        DWORD r = MsgWaitForMultipleObjectsEx(1, handles, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return WaitForSingleObject(handles[0], INFINITE) == WAIT_OBJECT_0;
        if (!pump_pending_messages()) return false;
    }
}
