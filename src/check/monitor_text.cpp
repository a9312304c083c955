#include "check/monitor_text.h"

#include <cstdio>

#include "text/gbk.h"

std::string monitor_status_text(int item_count, int unindexed_count, int failed_count, int remaining_minutes) {
    using gbk::decimal;
    std::string text = " 共" + decimal(item_count) + "个宝贝->已收录: " +
                       decimal(item_count - unindexed_count - failed_count) + " 个->未收录: " +
                       decimal(unindexed_count) + " 个  正在监测->距下次查询还有: " + decimal(remaining_minutes) +
                       " Min";
    if (failed_count != 0) text += " 失败: " + decimal(failed_count) + " 个";
    return text;
}

std::string format_check_time(const SYSTEMTIME& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%u-%u-%u %u:%02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute, time.wSecond);
    return text;
}
