// Reading the chosen class out of the course list page.
#include "app/client/course_form_choice.h"

#include <optional>

#include "app/core/reply_text.h"
#include "platform/browser/html_document.h"

namespace app {

std::vector<PageInput> ReadPageInputs(const platform::ElementCollection& all) {
  std::vector<PageInput> inputs;
  const int count = all.length();
  for (int i = 0; i < count; ++i) {
    const std::optional<platform::HtmlElement> e = all.item(i);
    if (!e || !e->isInputElement()) continue;
    inputs.push_back({e->name(), e->value(), e->checked()});
  }
  return inputs;
}

ClassChoice ReadClassChoice(const std::vector<PageInput>& inputs, LoginState& state) {
  state.CourseId = kCourseIdReading;
  bool insideChosen = false;
  for (const PageInput& input : inputs) {
    if (input.name == "id") {
      if (!input.checked) {
        insideChosen = false;
        continue;
      }
      if (const std::optional<std::int32_t> n = ParseInteger(input.value)) {
        state.CourseId = *n;
      } else {
        // N "#" database name; a value without a number before the "#"
        // names no class.
        const std::size_t hash = input.value.find('#');
        const std::optional<std::int32_t> id =
            hash == std::string::npos ? std::nullopt
                                      : ParseInteger(std::string_view(input.value).substr(0, hash));
        if (!id) return ClassChoice::Invalid;
        state.CourseId = *id;
        state.DatabaseName = input.value.substr(hash + 1);
      }
      insideChosen = true;
      continue;
    }
    if (insideChosen && input.name == "docbase" + std::to_string(state.CourseId)) {
      state.DocBase = input.value;
      state.ContextPath = input.value;
    }
  }
  return state.CourseId <= kCourseIdReading ? ClassChoice::NoChoice : ClassChoice::Chosen;
}

}  // namespace app
