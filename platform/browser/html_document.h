// The loaded page as an HTML document: its "all" collection with length and
// item (by index, or the n-th element with a name), and elements with the
// input-element properties name, value (read and write) and checked.
//
// The browser engine answers in another process; every call here waits for
// the answer in a nested event loop, at most the control's DOM time limit.
// A page that does not answer gives an empty collection and no element.
#pragma once

#include <optional>
#include <string>

#include <QPointer>

namespace platform {

class WebBrowser;

// An element as it was when it was looked up.
class HtmlElement {
 public:
  const std::string& tagName() const { return tag_; }
  // Whether the element is an input element (only those have the three
  // properties below in the page's sense).
  bool isInputElement() const { return input_; }
  const std::string& name() const { return name_; }
  const std::string& value() const { return value_; }
  bool checked() const { return checked_; }
  // Writes the element's value in the page. False when the page no longer
  // holds that element or did not answer in time.
  bool setValue(const std::string& value);

 private:
  friend class ElementCollection;
  QPointer<WebBrowser> browser_;
  int index_ = -1;
  std::string tag_;
  std::string name_;
  std::string value_;
  bool input_ = false;
  bool checked_ = false;
};

class ElementCollection {
 public:
  // Number of elements of the document (0 when the page did not answer).
  int length() const;
  // The element at an index of the collection.
  std::optional<HtmlElement> item(int index) const;
  // The index-th element (0: the first) whose name or id is name.
  std::optional<HtmlElement> item(const std::string& name, int index = 0) const;

 private:
  friend class HtmlDocument;
  std::optional<HtmlElement> lookup(const std::string& script) const;
  QPointer<WebBrowser> browser_;
};

class HtmlDocument {
 public:
  // False when the control has no page yet.
  bool valid() const { return !browser_.isNull(); }
  ElementCollection all() const;

 private:
  friend class WebBrowser;
  QPointer<WebBrowser> browser_;
};

}  // namespace platform
