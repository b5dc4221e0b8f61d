// The two skins a skinned dialog component refers to: SkinData for the
// window's frame and CtrlSkinData for everything inside it (also the source
// of the dialog's texts). Each reference is cleared when its component is
// destroyed.
#pragma once

#include <string>

#include "skin/data/data_component.h"
#include "skin/data/skin_data.h"

namespace skin {

class DialogSkins : private RemovalListener {
 public:
  DialogSkins() = default;
  DialogSkins(const DialogSkins&) = delete;
  DialogSkins& operator=(const DialogSkins&) = delete;
  ~DialogSkins();

  TbsSkinData* SkinData() const { return skinData_; }
  void setSkinData(TbsSkinData* data);
  TbsSkinData* CtrlSkinData() const { return ctrlSkinData_; }
  void setCtrlSkinData(TbsSkinData* data);

 protected:
  // The text of key in CtrlSkinData's text table when it has one (empty for
  // a key the table lacks), else the built-in text.
  std::string text(const char* key, const char* builtIn) const;

 private:
  void componentRemoved(DataComponent& component) override;
  // Stops listening to data unless the other reference still holds it.
  void release(TbsSkinData* data, const TbsSkinData* other);

  TbsSkinData* skinData_ = nullptr;
  TbsSkinData* ctrlSkinData_ = nullptr;
};

}  // namespace skin
