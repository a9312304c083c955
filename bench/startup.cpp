// Starts qitong.exe several times against the stand-in and measures the
// time from process start to the panel unlocked; prints median and worst in
// milliseconds, for bench/startup.sh to compare with curl.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "config/scrambling.h"
#include "config/settings_exchange.h"
#include "support/program_window.h"
#include "text/codepage.h"

namespace {

// Milliseconds until the panel unlocked; negative when it did not within 30 s.
double one_start(const std::string& exe) {
    std::wstring command = L"\"" + gbk::to_wide(exe) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = now_ms();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    ProcessGuard guard{process.hProcess};
    double took = -1;
    while (now_ms() - start < 30000) {
        HWND panel = panel_of(process.dwProcessId);
        if (panel && IsWindowEnabled(panel)) {
            took = now_ms() - start;
            PostMessageW(GetParent(panel), WM_CLOSE, 0, 0);
            WaitForSingleObject(process.hProcess, 10000);
            break;
        }
        Sleep(2);
    }
    return took;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
    const std::string exe = windows_path(QITONG_EXE_PATH);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        double ms = one_start(exe);
        if (ms < 0) {
            std::printf("run %d: the panel did not unlock\n", i + 1);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("runs=%d qitong_median_ms=%.1f qitong_worst_ms=%.1f settings_body=data=%s\n", runs,
                times[times.size() / 2], times.back(), scramble_request(STARTUP_SETTINGS_REQUEST).c_str());
    return 0;
}
