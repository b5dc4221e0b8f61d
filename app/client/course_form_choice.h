// Reading the teacher's choice out of the course list page: the selected
// input named "id" gives the class (N, or N "#" database name) and the
// input "docbase" + N that follows it, before the next "id", gives the path
// of the class's teacher pages.
#pragma once

#include <string>
#include <vector>

#include "app/core/login_state.h"

namespace platform {
class ElementCollection;
}

namespace app {

namespace texts {
inline constexpr const char* kChooseClass = "请在列表中选择一个登录的班级!";
inline constexpr const char* kInvalidClassValue = "所选班级的编号无效!";
}  // namespace texts

// What the reading needs of one input element of the page.
struct PageInput {
  std::string name;
  std::string value;
  bool checked = false;
};

// The input elements of the page's "all" collection, in document order.
std::vector<PageInput> ReadPageInputs(const platform::ElementCollection& all);

enum class ClassChoice {
  Chosen,    // CourseId (and maybe DatabaseName, DocBase, ContextPath) set
  NoChoice,  // no selected "id": CourseId is kCourseIdReading
  Invalid,   // a selected "id" whose value is neither N nor N#D
};

// Sets CourseId to kCourseIdReading, then walks the inputs: a selected "id"
// sets CourseId (and DatabaseName when its value carries one) and marks the
// inputs up to the next "id" as belonging to the chosen class; among those,
// "docbase" + CourseId sets DocBase and ContextPath. Names match exactly.
// An unreadable selected value stops the reading at once.
ClassChoice ReadClassChoice(const std::vector<PageInput>& inputs, LoginState& state);

}  // namespace app
