// Times N single queries through the page access routine against the
// stand-in search and prints the total in milliseconds, for bench/single_query.sh
// to compare with curl fetching the same addresses.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "check/title_query.h"
#include "text/gbk.h"
#include "web/web_access.h"

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 200;
    const char* titles[] = {"连衣裙夏季新款", "纯棉T恤男短袖", "手工编织草帽", "目录里没有的宝贝"};
    int indexed = 0, failed = 0;
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < n; ++i) {
        const std::string page = gbk::until_zero(网页_访问(search_url(titles[i % 4]), 0, "", "", "", "", PAGE_UTF8));
        SearchOutcome outcome = classify_search_page(page, NOT_FOUND_MARKER);
        indexed += outcome.verdict == SearchVerdict::Indexed;
        failed += outcome.verdict == SearchVerdict::Failed;
    }
    QueryPerformanceCounter(&stop);
    const double ms = 1000.0 * static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("queries=%d indexed=%d failed=%d qitong_ms=%.1f\n", n, indexed, failed, ms);
    return failed == 0 ? 0 : 1;
}
