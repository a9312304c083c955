// GET /book/search/<title>: the shopping site's search, answering from the
// catalogue (see catalogue.h for the file and answer.h for the answers).
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

#include "catalogue.h"
#include "drop_connection.h"
#include "http_reply.h"
#include "percent.h"
#include "routes.h"
#include "search_pages.h"

namespace {

constexpr std::string_view kPrefix = "/book/search/";

// The title comes from the raw target rather than the library's decoded
// path: the client escapes every byte, and we want exactly those bytes back.
std::string title_of(const httplib::Request& req) {
  std::string_view target = req.target;
  const std::size_t start = target.find(kPrefix);
  target = start == std::string_view::npos ? std::string_view{} : target.substr(start + kPrefix.size());
  target = target.substr(0, target.find_first_of("?#"));
  return percent_decode(target);
}

void answer(const Answer& answer, const std::string& title, const httplib::Request& req, httplib::Response& res) {
  switch (answer.kind) {
    case AnswerKind::Count:
      return reply(res, 200, kHtml, found_page(title, answer.count));
    case AnswerKind::Slow:
      std::this_thread::sleep_for(std::chrono::milliseconds(answer.delay_ms));
      return reply(res, 200, kHtml, found_page(title, answer.count));
    case AnswerKind::Drop:
      if (!drop_connection(req)) {
        std::fprintf(stderr, "qitong-standin: could not find the connection to drop for %s\n", req.target.c_str());
        reply(res, 500, kText, "stand-in could not drop this connection\n");
      }
      return;
    case AnswerKind::ServerError:
      return reply(res, 500, kHtml, server_error_page());
    case AnswerKind::NoMarkers:
      return reply(res, 200, kHtml, verification_page());
    case AnswerKind::NoCount:
      return reply(res, 200, kHtml, count_missing_page(title));
    case AnswerKind::Both:
      return reply(res, 200, kHtml, both_markers_page(title, answer.count));
  }
}

void search(const std::filesystem::path& catalogue, const httplib::Request& req, httplib::Response& res) {
  const std::string title = title_of(req);
  const Lookup lookup = look_up_title(catalogue, title);
  switch (lookup.status) {
    case LookupStatus::Listed:
      return answer(lookup.answer, title, req, res);
    case LookupStatus::NotListed:
      return reply(res, 200, kHtml, not_found_page(title));
    case LookupStatus::Malformed:
    case LookupStatus::Unreadable:
      // A broken test setup, not a site behaviour: say so plainly.
      std::fprintf(stderr, "qitong-standin: catalogue: %s\n", lookup.detail.c_str());
      return reply(res, 500, kText, "stand-in catalogue problem: " + lookup.detail + "\n");
  }
}

}  // namespace

void add_search_routes(httplib::Server& server, StandinContext& context) {
  const std::filesystem::path catalogue = context.data_dir / "catalogue.txt";
  server.Get(R"(/book/search/[\s\S]*)", logged(context.log, [catalogue](const httplib::Request& req, httplib::Response& res) {
               search(catalogue, req, res);
             }));
}
