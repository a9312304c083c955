#include "main_window_layout.h"

#include "endpoints.h"
#include "resource_ids.h"

#define STR2(x) #x
#define STR(x) STR2(x)

namespace {

constexpr int NONE = -1;

const ControlSpec CONTROLS[] = {
    // name                 kind                          parent     page  x    y    w    h    text                      disabled
    {"选择夹1",             ControlKind::TabControl,      "",        NONE, 2,   0,   573, 519, "操作面板|使用帮助",       true},
    {"状态条1",             ControlKind::StatusBar,       "",        NONE, 0,   0,   0,   20,  "",                        false},
    {"超文本浏览框2",       ControlKind::WebBrowser,      "",        NONE, 2,   644, 288, 111, QITONG_NOTICE_PAGE,        false},

    {"超级列表框1",         ControlKind::ListView,        "选择夹1", 0,    4,   22,  565, 272, "",                        false},
    {"标签4",               ControlKind::Label,           "选择夹1", 0,    12,  311, 56,  16,  "查询间隔:",               false},
    {"编辑框_检索间隔",     ControlKind::Edit,            "选择夹1", 0,    71,  305, 37,  25,  "10",                      false},
    {"标签11",              ControlKind::Label,           "选择夹1", 0,    112, 312, 32,  16,  "Min",                     false},
    {"标签5",               ControlKind::Label,           "选择夹1", 0,    140, 311, 64,  16,  "已查询次数:",             false},
    {"标签_已查询次数",     ControlKind::Label,           "选择夹1", 0,    209, 311, 28,  16,  "0",                       false},
    {"按钮_导入宝贝全称",   ControlKind::PushButton,      "选择夹1", 0,    244, 301, 82,  32,  "导入宝贝全称",            false},
    {"按钮_新增宝贝",       ControlKind::PushButton,      "选择夹1", 0,    339, 301, 60,  32,  "新增宝贝",                false},
    {"按钮_开始自动监测",   ControlKind::PushButton,      "选择夹1", 0,    412, 301, 82,  32,  "开始自动监测",            false},
    {"按钮_停止",           ControlKind::PushButton,      "选择夹1", 0,    508, 300, 50,  32,  "停止",                    false},
    {"标签_提示",           ControlKind::Label,           "选择夹1", 0,    11,  339, 321, 16,  "单个查询:",               false},
    {"单选框_查询全部",     ControlKind::RadioButton,     "选择夹1", 0,    380, 340, 72,  16,  "查询全部",                false},
    {"单选框_只查未收录",   ControlKind::RadioButton,     "选择夹1", 0,    460, 340, 98,  16,  "只查未收录",              false},
    {"标签1",               ControlKind::Label,           "选择夹1", 0,    12,  382, 56,  16,  "宝贝全称:",               false},
    {"编辑框_标题",         ControlKind::MultiLineEdit,   "选择夹1", 0,    71,  364, 300, 50,  "",                        false},
    {"按钮_查询",           ControlKind::PushButton,      "选择夹1", 0,    381, 363, 70,  30,  "查询收录",                false},
    {"按钮_精准查询",       ControlKind::PushButton,      "选择夹1", 0,    382, 402, 70,  30,  "精准核对",                false},
    {"标签8",               ControlKind::Label,           "选择夹1", 0,    12,  438, 54,  16,  "查询结果:",               false},
    {"编辑框_显示",         ControlKind::ReadOnlyEdit,    "选择夹1", 0,    71,  421, 300, 50,  "",                        false},
    {"按钮_清空宝贝全称",   ControlKind::PushButton,      "选择夹1", 0,    382, 440, 70,  30,  "清空名称",                false},
    {"超级链接框1",         ControlKind::HyperlinkLabel,  "选择夹1", 0,    460, 427, 101, 16,  "-->>查看宝贝全称",        false},
    {"超级链接框3",         ControlKind::HyperlinkLabel,  "选择夹1", 0,    460, 453, 101, 16,  "-->>查看使用教程",        false},
    {"图片框2",             ControlKind::PictureBox,      "选择夹1", 0,    5,   478, 562, 35,  STR(IDB_BANNER),           false},
    {"透明标签_荷塘软件",   ControlKind::TransparentLabel, "图片框2", NONE, -2,  2,   280, 32,  "",                        false},
    {"透明标签_菱角软件",   ControlKind::TransparentLabel, "图片框2", NONE, 281, -2,  280, 40,  "",                        false},

    {"超文本浏览框3",       ControlKind::WebBrowser,      "选择夹1", 1,    4,   22,  565, 493, QITONG_HELP_PAGE,          false},
};

const ColumnSpec ITEM_LIST_COLUMNS[] = {
    {"序号", 40}, {"宝贝全称", 250}, {"收录状态", 72}, {"宝贝个数", 61}, {"收录时间", 120},
};

const MenuItemSpec MENU_ITEMS[] = {
    {"右键菜单", "精准核对   ", CMD_EXACT_CHECK},
    {"托盘菜单", "荷塘软件", CMD_TRAY_SECOND_SITE_BOARD},
    {"托盘菜单", "菱角软件", CMD_TRAY_FIRST_SITE_BOARD},
    {"托盘菜单", "使用帮助", CMD_TRAY_HELP},
    {"托盘菜单", "退出", CMD_TRAY_EXIT},
};

const int STATUS_PARTS[] = {125, -1};

}  // namespace

const WindowLayout MAIN_WINDOW_LAYOUT = {
    "栖桐 V1.0", 583, 572,
    CONTROLS, sizeof(CONTROLS) / sizeof(CONTROLS[0]),
    "超级列表框1", ITEM_LIST_COLUMNS, sizeof(ITEM_LIST_COLUMNS) / sizeof(ITEM_LIST_COLUMNS[0]),
    MENU_ITEMS, sizeof(MENU_ITEMS) / sizeof(MENU_ITEMS[0]),
    STATUS_PARTS, sizeof(STATUS_PARTS) / sizeof(STATUS_PARTS[0]),
};
