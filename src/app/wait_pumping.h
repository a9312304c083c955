// A timed wait that keeps the calling thread's windows responsive.
#pragma once

// Returns after the given microseconds; meanwhile the calling thread's window
// events are processed. On a thread without windows it is a plain delay.
// Zero or a negative time returns at once. When the program's quit message
// arrives during the wait, it is put back and the wait ends early, so the
// message loop can end the program.
void wait_pumping(int microseconds);
