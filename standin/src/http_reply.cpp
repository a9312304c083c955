#include "http_reply.h"

#include <memory>

void reply(httplib::Response& res, int status, std::string_view content_type, std::string body) {
  res.status = status;
  if (body.empty()) {
    res.set_content("", std::string(content_type));
    return;
  }
  // A sized content provider is written verbatim; only bodies set directly
  // or chunked providers pass through the compressor.
  auto bytes = std::make_shared<const std::string>(std::move(body));
  res.set_content_provider(bytes->size(), std::string(content_type),
                           [bytes](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                             return sink.write(bytes->data() + offset, length);
                           });
}
