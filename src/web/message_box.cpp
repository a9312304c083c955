#include "web/message_box.h"

#include "app/seams.h"

namespace {

struct WindowSearch {
    DWORD process_id;
    HWND found;
};

BOOL CALLBACK take_first_visible(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process_id && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND find_process_window(DWORD process_id) {
    WindowSearch search{process_id, nullptr};
    EnumWindows(take_first_visible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int show_message_box(const std::string& text, unsigned style, const std::string& title, HWND owner) {
    return seams().message_box(owner, text, title, style) - 1;
}
