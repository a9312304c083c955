#include "app/web_browser_host.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "endpoints.h"

namespace {

// Windows that appeared on the screen (created visible, or activated) while the hook ran.
thread_local int shown_windows = 0;

LRESULT CALLBACK watch_windows(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE) ++shown_windows;
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* created = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
        if ((created->style & WS_VISIBLE) && !(created->style & WS_CHILD)) ++shown_windows;
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

struct Outcome {
    HWND first = nullptr;
    HWND second = nullptr;
    HWND child_left = nullptr;
    int shown = 0;
    HRESULT com_after = E_FAIL;  // S_OK: the thread's OLE state was left as found
};

// What the main window does: an STA thread, a parent, the help page and the hidden page.
Outcome create_twice_on_ui_thread() {
    Outcome out;
    OleInitialize(nullptr);
    HWND parent = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    HHOOK hook = SetWindowsHookExW(WH_CBT, watch_windows, nullptr, GetCurrentThreadId());
    out.first = create_web_browser(parent, 0, 0, 640, 480, QITONG_HELP_PAGE, 1001);
    out.second = create_web_browser(parent, -2000, -2000, 200, 100, QITONG_NOTICE_PAGE, 1002);
    if (hook) UnhookWindowsHookEx(hook);
    out.shown = shown_windows;
    out.child_left = GetWindow(parent, GW_CHILD);
    DestroyWindow(parent);
    OleUninitialize();
    out.com_after = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(out.com_after)) CoUninitialize();
    return out;
}

DWORD WINAPI ui_thread(void* out) {
    *static_cast<Outcome*>(out) = create_twice_on_ui_thread();
    return 0;
}

bool html_engine_disabled() {
    wchar_t overrides[512] = {};
    GetEnvironmentVariableW(L"WINEDLLOVERRIDES", overrides, 512);
    return std::wstring(overrides).find(L"mshtml=d") != std::wstring::npos;
}

}  // namespace

TEST(WebBrowserHost, WithoutHtmlEngineGivesNothingAndLeavesNothing) {
    // Without the override Wine would offer to download its HTML engine.
    if (!html_engine_disabled()) GTEST_SKIP() << "needs WINEDLLOVERRIDES=mshtml=d";

    // Run on a thread of its own so a call that blocks (a modal dialog) fails the
    // test instead of hanging it. (<chrono> does not compile with the GBK charset.)
    auto* result = new Outcome;
    HANDLE thread = CreateThread(nullptr, 0, ui_thread, result, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    const DWORD waited = WaitForSingleObject(thread, 30000);
    CloseHandle(thread);
    // On a timeout the thread still writes to *result, so it is left alive.
    ASSERT_EQ(waited, WAIT_OBJECT_0) << "create_web_browser blocked";

    const Outcome out = *result;
    delete result;
    EXPECT_EQ(out.first, nullptr);
    EXPECT_EQ(out.second, nullptr);
    EXPECT_EQ(out.child_left, nullptr);
    EXPECT_EQ(out.shown, 0);
    EXPECT_EQ(out.com_after, S_OK);
}
