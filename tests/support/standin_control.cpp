#include "support/standin_control.h"

#include "check/title_query.h"
#include "endpoints.h"
#include "text/gbk.h"
#include "web/web_access.h"

std::string standin_url(const std::string& path) {
    const std::string search_base = QITONG_SEARCH_BASE;
    return search_base.substr(0, search_base.find("/book/")) + path;
}

std::string standin_get(const std::string& path_and_query) { return 网页_访问(standin_url(path_and_query)); }

std::string default_bootstrap_text() {
    const std::string base = standin_url("/");
    return "100|1|" + base + "|maker/|备用|备用|备用|0|" + base + "maker/download.html";
}

void serve_bootstrap_text(const std::string& text) {
    // encode_title escapes every UTF-8 byte, which is what a query value needs.
    standin_get("/__config/set?text=" + encode_title(text));
}
