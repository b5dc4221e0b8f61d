// The HTML pages of the classroom server: course list, database
// configuration, the teacher pages of a class and the demo pages (frames,
// slow loading, folder request). All UTF-8, with Chinese titles.
#pragma once

#include <string>
#include <vector>

#include "classroom_config.h"

namespace classroom {

// Escapes text for HTML content and attribute values.
std::string HtmlEscape(const std::string& text);

// The teacher-page query of one class, kept on every link.
struct ClassQuery {
  std::string courseId;
  std::string database;
  std::string query() const;  // "courseid=..&databasename=.."
};

std::string RootPage(int port);
std::string CourseListPage(const Config& config, int classroomId, const std::string& desc);
std::string DatabaseConfigPage();
std::string FunctionListPage(const ClassQuery& q, const std::string& menu);
std::string TeacherStartPage(const ClassQuery& q);
std::string CompanyOnlinePage(const ClassQuery& q);
std::string FramesPage(const ClassQuery& q);
std::string FramePartPage(const ClassQuery& q, const std::string& part);
std::string TeacherTopicPage(const std::string& title, const std::string& topic,
                             const ClassQuery& q);
std::string NotFoundPage(const std::string& path);

// The slow page in pieces: the head, `count` rows, and the end, so that the
// server can send them spaced out in time.
std::string SlowPageHead();
std::string SlowPageRow(int index, int count);
std::string SlowPageTail();

// The teacher topics the function list links to: file name and title.
struct TeacherTopic {
  const char* page;
  const char* title;
};
const std::vector<TeacherTopic>& TeacherTopics();

}  // namespace classroom
