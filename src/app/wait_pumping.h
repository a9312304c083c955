// A timed wait that keeps the calling thread's windows responsive.
#pragma once

// Returns after the given microseconds; meanwhile the calling thread's window
// events are processed. On a thread without windows it is a plain delay.
// Zero or a negative time returns at once. When the program's quit message
// arrives during the wait, it is put back and the wait ends early, so the
// message loop can end the program.
void wait_pumping(int microseconds);

#include <functional>

// Processes the calling thread's pending window events once. False when the
// program's quit message was among them (it is put back for the message loop).
bool pump_pending_messages();

// Runs work on a worker thread while the calling thread keeps processing its
// window events, and returns when the work is done. Returns false, at once,
// when the program's quit message arrives first: the work then finishes on
// its own, so it must own everything it touches.
bool run_pumping(std::function<void()> work);
