#include "app/global_state.h"

#include <mutex>

namespace {

// Never destroyed: worker threads may still read entries while the process
// ends, so the memory goes with the process instead of a static destructor.
GlobalState* state = nullptr;
std::once_flag release_once;

}  // namespace

GlobalState& global_state() {
    if (!state) state = new GlobalState();
    return *state;
}

// Replaces any earlier state (tests create one window after another).
void create_global_state() {
    GlobalState* old = state;
    state = new GlobalState();
    delete old;
}

void release_global_state() {
    std::call_once(release_once, [] {
        GlobalState& s = global_state();
        s.main_window = nullptr;
        s.hooked_window = nullptr;
        s.previous_window_proc = nullptr;
        s.tray_callback = nullptr;
        s.settings_reply.assign(5, std::string());
        s.context_title.clear();
    });
}
