// Imports generated GBK title files of 1,000, 10,000 and 100,000 titles into
// the real main window and times it from the dialog's answer to the last row
// shown, with the memory it took; against splitting the same bytes with a
// plain std::string scan in the same run.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "app/file_bytes.h"
#include "app/global_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "check/batch.h"
#include "text/codepage.h"

namespace {

// Committed memory of the process (what it allocated), in MiB.
double private_mib() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PagefileUsage) / (1024.0 * 1024.0);
}

std::string generated_titles(int n) {
    std::string bytes;
    for (int i = 0; i < n; ++i) bytes += "夏季新款纯棉宽松短袖T恤男士潮流百搭" + std::to_string(i) + "号\r\n";
    return bytes;
}

std::string write_temp(const std::string& bytes) {
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    GetTempFileNameW(dir, L"qt", 0, path);
    const std::string name = gbk::from_wide(path);
    replace_file_bytes(name, bytes);
    return name;
}

// The reference: the same split with nothing but std::string.
std::size_t plain_split(const std::string& bytes) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t hit; (hit = bytes.find("\r\n", start)) != std::string::npos; start = hit + 2)
        pieces.push_back(bytes.substr(start, hit - start));
    if (start < bytes.size()) pieces.push_back(bytes.substr(start));
    return pieces.size();
}

}  // namespace

int main() {
    create_global_state();
    seams().config_timer_ms = USER_TIMER_MAXIMUM;  // no network: the list alone is measured
    HWND window = create_main_window(GetModuleHandleW(nullptr));
    if (!window) return 1;
    HWND list = main_control("超级列表框1");
    for (int n : {1000, 10000, 100000}) {
        const std::string bytes = generated_titles(n);
        const std::string path = write_temp(bytes);
        seams().choose_file = [path](HWND, const std::string&) { return std::optional<std::string>(path); };
        const double memory_before = private_mib();
        const double start = now_ms();
        import_titles();
        UpdateWindow(list);  // the last row shown
        const double import_ms = now_ms() - start;
        const double memory_after = private_mib();

        const double plain_start = now_ms();
        const std::size_t pieces = plain_split(bytes);
        const double plain_ms = now_ms() - plain_start;
        std::printf("titles=%d rows=%d import_ms=%.1f per_title_us=%.2f memory_mib=+%.1f plain_split_ms=%.2f (%zu) ratio=%.0f\n",
                    n, static_cast<int>(SendMessageW(list, 0x1004 /* LVM_GETITEMCOUNT */, 0, 0)), import_ms,
                    1000.0 * import_ms / n, memory_after - memory_before, plain_ms, pieces,
                    plain_ms > 0 ? import_ms / plain_ms : 0.0);
        std::fflush(stdout);
        DeleteFileW(gbk::to_wide(path).c_str());
    }
    // Usable at the largest size: a click on a row far down answers at once.
    const double click_start = now_ms();
    SendMessageW(list, 0x1013 /* LVM_ENSUREVISIBLE */, 50000, FALSE);
    UpdateWindow(list);
    std::printf("scroll to row 50000 and repaint: %.1f ms\n", now_ms() - click_start);
    DestroyWindow(window);
    return 0;
}
