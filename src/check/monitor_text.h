// Texts of the monitoring: the status bar's counts and the time of a check.
#pragma once
#include <windows.h>

#include <string>

// " 共N个宝贝->已收录: X 个->未收录: U 个  正在监测->距下次查询还有: R Min",
// where X leaves out the not-indexed and the failed checks; " 失败: F 个"
// follows when F is not 0.
std::string monitor_status_text(int item_count, int unindexed_count, int failed_count, int remaining_minutes);

// "2013-8-1 9:05:07": no leading zeros but for the minute and the second.
std::string format_check_time(const SYSTEMTIME& time);
