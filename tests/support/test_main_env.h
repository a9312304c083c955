// Paths the tests write to and read from.
#pragma once
#include <string>

// Folder for screenshots and other artifacts of a test run (created on demand).
std::string artifact_dir();
