// Carrying skin notifications to the forms.
#include "skin/frame/skin_change.h"

#include <algorithm>
#include <map>

#include "ui/application.h"
#include "ui/form.h"

namespace skin {

class FormSkinWindows::FormListener : public SkinMessageListener {
 public:
  explicit FormListener(ui::Form* form) : form_(form) {}
  ui::Form* form() const { return form_; }
  void skinMessage(int message, TbsSkinData* sender, std::intptr_t param) override {
    // The form may have gone while an earlier window handled the message.
    const auto& forms = ui::Application::instance().forms();
    if (std::find(forms.begin(), forms.end(), form_) == forms.end()) return;
    form_->perform(static_cast<unsigned>(message), ui::ToParam(sender), param);
  }

 private:
  ui::Form* form_;
};

int FormSkinWindows::windowCount() const {
  return static_cast<int>(ui::Application::instance().forms().size());
}

SkinMessageListener* FormSkinWindows::window(int index) const {
  const auto& forms = ui::Application::instance().forms();
  if (index < 0 || index >= static_cast<int>(forms.size())) return nullptr;
  return listenerFor(forms[static_cast<std::size_t>(index)]);
}

SkinMessageListener* FormSkinWindows::listenerFor(ui::Form* form) {
  // One listener per form for the life of the process: they are tiny, and a
  // listener handed out must stay valid while a broadcast walks the list.
  static std::map<ui::Form*, std::unique_ptr<FormListener>> listeners;
  auto& l = listeners[form];
  if (!l) l = std::make_unique<FormListener>(form);
  return l.get();
}

}  // namespace skin
