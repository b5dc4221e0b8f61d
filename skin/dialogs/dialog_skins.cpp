// The frame and control skins of the dialog components.
#include "skin/dialogs/dialog_skins.h"

namespace skin {

DialogSkins::~DialogSkins() {
  release(skinData_, nullptr);
  release(ctrlSkinData_, skinData_);
}

void DialogSkins::release(TbsSkinData* data, const TbsSkinData* other) {
  if (data != nullptr && data != other) data->removeRemovalListener(this);
}

void DialogSkins::setSkinData(TbsSkinData* data) {
  release(skinData_, ctrlSkinData_);
  skinData_ = data;
  if (data != nullptr) data->addRemovalListener(this);
}

void DialogSkins::setCtrlSkinData(TbsSkinData* data) {
  release(ctrlSkinData_, skinData_);
  ctrlSkinData_ = data;
  if (data != nullptr) data->addRemovalListener(this);
}

void DialogSkins::componentRemoved(DataComponent& component) {
  if (&component == skinData_) skinData_ = nullptr;
  if (&component == ctrlSkinData_) ctrlSkinData_ = nullptr;
}

std::string DialogSkins::text(const char* key, const char* builtIn) const {
  if (ctrlSkinData_ != nullptr && ctrlSkinData_->ResourceStrData() != nullptr)
    return ctrlSkinData_->ResourceStrData()->GetResStr(key);
  return builtIn;
}

}  // namespace skin
