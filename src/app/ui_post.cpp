#include "app/ui_post.h"

#include <memory>

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/window_layout.h"

namespace {

struct PostedTask {
    unsigned serial;
    std::function<void()> task;
};

}  // namespace

MainWindowRef current_main_window() { return {global_state().main_window, main_window_serial()}; }

bool post_task(const MainWindowRef& target, std::function<void()> task) {
    if (!target.window || !IsWindow(target.window)) return false;
    auto post = std::make_unique<PostedTask>(PostedTask{target.serial, std::move(task)});
    if (!PostMessageW(target.window, WM_QITONG_TASK, 0, reinterpret_cast<LPARAM>(post.get()))) return false;
    post.release();  // the window procedure owns it now
    return true;
}

bool post_control_text(const MainWindowRef& target, const std::string& control, const std::string& text, bool append) {
    return post_task(target, [control, text, append] {
        HWND hwnd = main_control(control);
        if (!hwnd) return;
        if (append) append_control_text(hwnd, text);
        else set_control_text(hwnd, text);
    });
}

void run_posted_task(LPARAM payload) {
    std::unique_ptr<PostedTask> post(reinterpret_cast<PostedTask*>(payload));
    if (post->serial == main_window_serial()) post->task();
}

void discard_posted_tasks(HWND window) {
    MSG msg;
    while (PeekMessageW(&msg, window, WM_QITONG_TASK, WM_QITONG_TASK, PM_REMOVE))
        delete reinterpret_cast<PostedTask*>(msg.lParam);
}
