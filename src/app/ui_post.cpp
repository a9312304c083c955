#include "app/ui_post.h"

#include <memory>

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/window_layout.h"

namespace {

struct ControlTextPost {
    unsigned serial;
    std::string control;
    std::string text;
    bool append;
};

}  // namespace

MainWindowRef current_main_window() { return {global_state().main_window, main_window_serial()}; }

bool post_control_text(const MainWindowRef& target, const std::string& control, const std::string& text, bool append) {
    if (!target.window || !IsWindow(target.window)) return false;
    auto post = std::make_unique<ControlTextPost>(ControlTextPost{target.serial, control, text, append});
    if (!PostMessageW(target.window, WM_QITONG_CONTROL_TEXT, 0, reinterpret_cast<LPARAM>(post.get()))) return false;
    post.release();  // the window procedure owns it now
    return true;
}

void apply_posted_control_text(LPARAM payload) {
    std::unique_ptr<ControlTextPost> post(reinterpret_cast<ControlTextPost*>(payload));
    if (post->serial != main_window_serial()) return;
    HWND control = main_control(post->control);
    if (!control) return;
    if (post->append) append_control_text(control, post->text);
    else set_control_text(control, post->text);
}

void discard_posted_control_texts(HWND window) {
    MSG msg;
    while (PeekMessageW(&msg, window, WM_QITONG_CONTROL_TEXT, WM_QITONG_CONTROL_TEXT, PM_REMOVE))
        delete reinterpret_cast<ControlTextPost*>(msg.lParam);
}
