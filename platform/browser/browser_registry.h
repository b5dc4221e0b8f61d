// The pages of every browser control alive, for the profile-wide history
// clearing.
#pragma once

#include <functional>

class QWebEnginePage;

namespace platform {

void RegisterBrowserPage(QWebEnginePage* page);
void UnregisterBrowserPage(QWebEnginePage* page);
void ForEachBrowserPage(const std::function<void(QWebEnginePage&)>& fn);

}  // namespace platform
