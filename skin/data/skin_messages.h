// How the skin data tells windows about skin changes. The window framework
// implements the two interfaces: every form is a SkinMessageListener, and
// the application's list of open forms is a SkinWindowList. Messages are
// delivered synchronously, with the sending skin data and the number 1000.
#pragma once

#include <cstdint>

namespace skin {

class TbsSkinData;

enum SkinMessageId : int {
  SkinChanging = 1225,
  SkinChanged = 1226,
  SkinChangedMdi = 1227,
  SkinStringsChanged = 1274,
};

// The second parameter of every skin message.
constexpr std::intptr_t kSkinMessageParam = 1000;

class SkinMessageListener {
 public:
  // Handles the message before returning.
  virtual void skinMessage(int message, TbsSkinData* sender, std::intptr_t param) = 0;

 protected:
  ~SkinMessageListener() = default;
};

// The application's open windows, in order. Read by index on every step, so
// that a window closed while a message is being handled is not visited.
class SkinWindowList {
 public:
  virtual int windowCount() const = 0;
  virtual SkinMessageListener* window(int index) const = 0;

 protected:
  ~SkinWindowList() = default;
};

}  // namespace skin
