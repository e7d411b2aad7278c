#include "sound/log.h"

#include <cstdio>
#include <set>

namespace qm::sound {
namespace {
std::set<std::string>& Written() {
  static std::set<std::string> written;
  return written;
}
std::function<void(const std::string&)>& Sink() {
  static std::function<void(const std::string&)> sink;
  return sink;
}
}  // namespace

void LogOnce(const std::string& text) {
  if (!Written().insert(text).second) return;
  if (Sink()) return Sink()(text);
  std::fprintf(stderr, "quellmark: sound: %s\n", text.c_str());
}

void SetLogSink(std::function<void(const std::string&)> sink) {
  Sink() = std::move(sink);
  Written().clear();
}

}  // namespace qm::sound
