#include "platform/path.h"

namespace kestra {
namespace {

constexpr std::string_view kDelimiters = "\\:/";

std::size_t NameStart(std::string_view path) {
  const std::size_t last = path.find_last_of(kDelimiters);
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

std::string ExtractFilePath(std::string_view path) {
  return std::string(path.substr(0, NameStart(path)));
}

std::string ExtractFileName(std::string_view path) {
  return std::string(path.substr(NameStart(path)));
}

std::string ExtractFileExt(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

}  // namespace kestra
