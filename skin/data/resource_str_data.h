// TbsResourceStrData: the table of user-interface texts (menu captions,
// button hints, dialog texts) that skinned windows may take their words
// from, as "KEY=text" lines, filled with the built-in English table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin/data/data_component.h"

namespace skin {

class TbsResourceStrData : public DataComponent {
 public:
  TbsResourceStrData();

  const std::vector<std::string>& ResStrings() const { return resStrings_; }
  void setResStrings(const std::vector<std::string>& lines) { resStrings_ = lines; }
  int CharSet() const { return charSet_; }
  void setCharSet(int charSet) { charSet_ = charSet; }

  // The text after the first "=" of the first line whose key equals key
  // without regard to letter case; empty when no line has it.
  std::string GetResStr(std::string_view key) const;

  // Replaces the table with the built-in lines.
  void FillDefaultStrings();

 private:
  std::vector<std::string> resStrings_;
  int charSet_ = 1;
};

// The built-in table, 115 lines.
const std::vector<std::string>& DefaultResStrings();

}  // namespace skin
