// Registry of the live browser pages.
#include "platform/browser/browser_registry.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {
std::vector<QWebEnginePage*>& Pages() {
  static std::vector<QWebEnginePage*> pages;
  return pages;
}
}  // namespace

void RegisterBrowserPage(QWebEnginePage* page) { Pages().push_back(page); }

void UnregisterBrowserPage(QWebEnginePage* page) {
  auto& v = Pages();
  v.erase(std::remove(v.begin(), v.end(), page), v.end());
}

void ForEachBrowserPage(const std::function<void(QWebEnginePage&)>& fn) {
  const auto copy = Pages();
  for (QWebEnginePage* p : copy) fn(*p);
}

}  // namespace platform
