// How a frame tells its window's skinned parts about a skin change: the
// interface the skinned controls implement, the base of the window's
// non-visual skin components, and the bridge that carries a skin data
// component's broadcast to every open form as a window message.
#pragma once

#include <memory>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "ui/component.h"

namespace ui {
class Form;
}

namespace skin {

// Implemented by every skinned control (windowed or not, drawn by itself or
// built on a native control): the frame calls these around a skin change.
class SkinChangeReceiver {
 public:
  // The skin data the control draws from (null: none).
  virtual TbsSkinData* receiverSkinData() const = 0;
  // The skin is about to change: forget the section (its data is going away).
  virtual void BeforeChangeSkinData() = 0;
  // The new skin is loaded: read the section again, re-size and repaint.
  virtual void ChangeSkinData() = 0;

 protected:
  ~SkinChangeReceiver() = default;
};

// Base of the non-visual skin components a window owns; the window's frame
// calls the two hooks around every skin change.
class TbsSkinComponent : public ui::Component {
 public:
  using ui::Component::Component;
  virtual void BeforeChangeSkinData() {}
  virtual void ChangeSkinData() {}
};

// The application's open forms as the skin data's window list: each
// notification reaches a form's procedure as the message of that number,
// with the skin data in wparam and the number 1000 in lparam.
class FormSkinWindows : public SkinWindowList {
 public:
  int windowCount() const override;
  SkinMessageListener* window(int index) const override;

  // The listener that sends to one form (for a skin data owned by a form).
  static SkinMessageListener* listenerFor(ui::Form* form);

 private:
  class FormListener;
};

}  // namespace skin
