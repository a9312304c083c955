#include "update_window_layout.h"

namespace {

constexpr int NONE = -1;

// The two timers (speed, 1000 ms; progress, 100 ms) have no window of their own.
const ControlSpec CONTROLS[] = {
    // name     kind                      parent page  x    y    w    h    text          disabled hidden
    {"图片框1", ControlKind::PictureBox,  "",    NONE, 8,   11,  270, 40,  "",           false, false},
    {"标签8",   ControlKind::Label,       "",    NONE, 51,  25,  96,  16,  "下载成功",   false, true},
    {"标签2",   ControlKind::Label,       "",    NONE, 11,  52,  328, 16,  "",           false, false},
    {"进度条1", ControlKind::ProgressBar, "",    NONE, 10,  69,  329, 16,  "",           false, false},
    {"标签10",  ControlKind::Label,       "",    NONE, 9,   89,  162, 17,  "文件大小:",  false, false},
    {"标签11",  ControlKind::Label,       "",    NONE, 175, 89,  180, 16,  "已下载:",    false, false},
    {"标签7",   ControlKind::Label,       "",    NONE, 8,   106, 337, 16,  "下载到:",    false, false},
    {"标签1",   ControlKind::Label,       "",    NONE, 9,   125, 168, 13,  "传输速度:",  false, false},
    {"标签3",   ControlKind::Label,       "",    NONE, 175, 125, 160, 12,  "平均速度:",  false, false},
    {"标签4",   ControlKind::Label,       "",    NONE, 10,  140, 96,  16,  "已完成:",    false, false},
    {"标签9",   ControlKind::Label,       "",    NONE, 176, 139, 143, 16,  "剩余时间:",  false, false},
};

}  // namespace

const WindowLayout UPDATE_WINDOW_LAYOUT = {
    "软件正在更新..请稍等...", 354, 200,
    CONTROLS, sizeof(CONTROLS) / sizeof(CONTROLS[0]),
    nullptr, nullptr, 0,
    nullptr, 0,
    nullptr, 0,
};
