#include "support/test_main_env.h"

#include <windows.h>

#include "text/codepage.h"

std::string artifact_dir() {
    // Built on Linux the folder is a Unix path, which Wine maps through drive Z:.
    std::string dir = QITONG_ARTIFACT_DIR;
    if (!dir.empty() && dir[0] == '/') dir = "Z:" + dir;
    for (char& c : dir)
        if (c == '/') c = '\\';
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}
