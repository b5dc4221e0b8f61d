// The please-wait bar: a borderless window, always on top, centred on the
// screen, that is all progress gauge ("处理中，请稍候..." and the percentage)
// and closes as soon as it loses activation. No flow of the client opens it.
#pragma once

#include "ui/form.h"

namespace skin {
class TbsFormFrame;
class TbsSkinGauge;
}  // namespace skin

namespace app {

class ClientShared;

class TGroupForm : public ui::Form {
 public:
  explicit TGroupForm(ClientShared& shared, ui::Component* owner = nullptr);

  skin::TbsFormFrame* bsFormFrame1 = nullptr;
  skin::TbsSkinGauge* bsSkinGauge1 = nullptr;

  void FormDeactivate();

 private:
  ClientShared& shared_;
};

}  // namespace app
