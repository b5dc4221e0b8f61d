// TbsSkinData: the live skin. It reads a package from a
// TbsCompressedStoredSkin into pictures and data objects, answers the
// lookups of skinned windows and controls, and tells every window when the
// skin changes (SkinChanging before, SkinChanged and SkinChangedMdi after).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/control_data.h"
#include "skin/data/data_component.h"
#include "skin/data/object_data.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_messages.h"
#include "skin/data/window_data.h"
#include "ui/graphics/bitmap.h"

namespace skin {

// Largest decompressed package accepted by default; a larger one is refused
// before it exhausts memory (the built-in skins are near 1.5 MB).
constexpr std::int64_t kMaxPackageSize = 256LL * 1024 * 1024;

class TbsSkinData : public DataComponent, private RemovalListener {
 public:
  // ownerWindow: the window that owns the skin data, told first; null when
  // the owner is not a window. windows: the application's open windows;
  // null for none.
  explicit TbsSkinData(SkinMessageListener* ownerWindow = nullptr,
                       const SkinWindowList* windows = nullptr);
  ~TbsSkinData() override;

  void setWindowList(const SkinWindowList* windows) { windows_ = windows; }
  std::int64_t maxPackageSize() const { return maxPackageSize_; }
  void setMaxPackageSize(std::int64_t bytes) { maxPackageSize_ = bytes; }
  SkinMessageListener* ownerWindow() const { return ownerWindow_; }

  // Setting a stored skin reads its package (outside the design state);
  // null keeps the loaded skin. Errors of the reading propagate.
  TbsCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
  void setCompressedStoredSkin(TbsCompressedStoredSkin* skin);
  // Setting the text table tells every window (outside the design state).
  TbsResourceStrData* ResourceStrData() const { return resourceStrData_; }
  void setResourceStrData(TbsResourceStrData* strings);

  bool Empty() const { return empty_; }

  // [VERSION]
  const std::string& SkinName() const { return skinName_; }
  const std::string& SkinAuthor() const { return skinAuthor_; }
  const std::string& AuthorEmail() const { return authorEmail_; }
  const std::string& AuthorURL() const { return authorURL_; }
  const std::string& SkinComments() const { return skinComments_; }

  const gfx::Bitmap& Picture() const { return picture_; }
  const gfx::Bitmap& InactivePicture() const { return inactivePicture_; }
  const gfx::Bitmap& MaskPicture() const { return maskPicture_; }
  const std::string& PictureName() const { return pictureName_; }
  const std::string& InactivePictureName() const { return inactivePictureName_; }
  const std::string& MaskName() const { return maskName_; }
  const std::vector<gfx::Bitmap>& ActivePictures() const { return activePictures_; }
  const std::vector<std::string>& ActivePictureNames() const { return activePictureNames_; }
  // The active picture at index, or null when index is -1 or past the list.
  const gfx::Bitmap* ActivePicture(int index) const;

  const SkinFormInfo& FormInfo() const { return formInfo_; }
  const TbsDataSkinPopupWindow& PopupWindow() const { return *popupWindow_; }
  const TbsDataSkinHintWindow& HintWindow() const { return *hintWindow_; }

  const std::vector<std::unique_ptr<TbsDataSkinObject>>& ObjectDataList() const {
    return objectDataList_;
  }
  const std::vector<std::unique_ptr<TbsDataSkinControl>>& ControlDataList() const {
    return controlDataList_;
  }
  // Index of the first entry whose section name equals name exactly, or -1.
  int FindObjectData(std::string_view name) const;
  int FindControlData(std::string_view name) const;
  // Entries skipped while reading the lists because their kind matched no
  // class, as "SKINCONTROLS <index>=<entry>".
  const std::vector<std::string>& SkippedEntries() const { return skippedEntries_; }

  // Reads the package of skin (nothing at all when it is empty). Errors
  // propagate; the skin then stays empty with what was read so far, and
  // windows got SkinChanging without SkinChanged.
  void ReadPackage(const TbsCompressedStoredSkin& skin);
  void ResetSkin();
  void ReleaseDataObjects();
  // Sends message to the owner window first, then to every other open window.
  void BroadcastSkinMessage(int message);

 private:
  void componentRemoved(DataComponent& component) override;
  void readDefinition(const SkinDefinition& def);

  SkinMessageListener* ownerWindow_;
  const SkinWindowList* windows_;
  TbsCompressedStoredSkin* compressedStoredSkin_ = nullptr;
  TbsResourceStrData* resourceStrData_ = nullptr;
  bool empty_ = true;
  std::int64_t maxPackageSize_ = kMaxPackageSize;

  std::string skinName_, skinAuthor_, authorEmail_, authorURL_, skinComments_;
  gfx::Bitmap picture_, inactivePicture_, maskPicture_;
  std::string pictureName_, inactivePictureName_, maskName_;
  std::vector<gfx::Bitmap> activePictures_;
  std::vector<std::string> activePictureNames_;
  SkinFormInfo formInfo_;
  std::unique_ptr<TbsDataSkinPopupWindow> popupWindow_;
  std::unique_ptr<TbsDataSkinHintWindow> hintWindow_;
  std::vector<std::unique_ptr<TbsDataSkinObject>> objectDataList_;
  std::vector<std::unique_ptr<TbsDataSkinControl>> controlDataList_;
  std::vector<std::string> skippedEntries_;
};

}  // namespace skin
