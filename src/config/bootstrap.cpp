#include "config/bootstrap.h"

// The bootstrap pages, the settings exchange and the unlocking of the panel
// come with the remote configuration; until then the start-up ends here,
// with the panel locked and the loading texts showing.
void load_remote_configuration(HWND) {}
