#include "support/test_main_env.h"

#include <windows.h>

#include "text/codepage.h"

std::string artifact_dir() {
    // The build folder is a Unix path; Wine maps it through drive Z:.
    std::string dir = std::string("Z:") + QITONG_ARTIFACT_DIR;
    for (char& c : dir)
        if (c == '/') c = '\\';
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}
