// Loading a skin package into the live skin and announcing the change.
#include "skin/data/skin_data.h"

#include "skin/data/kind_tables.h"
#include "skin/data/package_stream.h"
#include "skin/data/skin_values.h"

namespace skin {

namespace {

// The memory stream the package is unpacked into; refuses to grow past the
// largest package accepted, so that a small file cannot inflate without end.
class BoundedMemoryStream : public MemoryStream {
 public:
  explicit BoundedMemoryStream(std::int64_t limit) : limit_(limit) {}
  std::int64_t write(const void* buffer, std::int64_t count) override {
    if (position() + count > limit_) {
      throw ESkinPackageError("skin package: decompressed package larger than " +
                              std::to_string(limit_) + " bytes");
    }
    return MemoryStream::write(buffer, count);
  }

 private:
  std::int64_t limit_;
};

}  // namespace

TbsSkinData::TbsSkinData(SkinMessageListener* ownerWindow, const SkinWindowList* windows)
    : ownerWindow_(ownerWindow),
      windows_(windows),
      popupWindow_(std::make_unique<TbsDataSkinPopupWindow>()),
      hintWindow_(std::make_unique<TbsDataSkinHintWindow>()) {}

TbsSkinData::~TbsSkinData() {
  empty_ = true;
  ReleaseDataObjects();
  if (compressedStoredSkin_ != nullptr) compressedStoredSkin_->removeRemovalListener(this);
  if (resourceStrData_ != nullptr) resourceStrData_->removeRemovalListener(this);
}

void TbsSkinData::setCompressedStoredSkin(TbsCompressedStoredSkin* skin) {
  if (compressedStoredSkin_ != skin) {
    if (compressedStoredSkin_ != nullptr) compressedStoredSkin_->removeRemovalListener(this);
    compressedStoredSkin_ = skin;
    if (skin != nullptr) skin->addRemovalListener(this);
  }
  if (!designing() && skin != nullptr) ReadPackage(*skin);
}

void TbsSkinData::setResourceStrData(TbsResourceStrData* strings) {
  if (resourceStrData_ != strings) {
    if (resourceStrData_ != nullptr) resourceStrData_->removeRemovalListener(this);
    resourceStrData_ = strings;
    if (strings != nullptr) strings->addRemovalListener(this);
  }
  if (!designing()) BroadcastSkinMessage(SkinStringsChanged);
}

void TbsSkinData::componentRemoved(DataComponent& component) {
  // The reference goes; the loaded skin and the windows are left alone.
  if (&component == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
  if (&component == resourceStrData_) resourceStrData_ = nullptr;
}

const gfx::Bitmap* TbsSkinData::ActivePicture(int index) const {
  if (index < 0 || index >= static_cast<int>(activePictures_.size())) return nullptr;
  return &activePictures_[static_cast<std::size_t>(index)];
}

int TbsSkinData::FindObjectData(std::string_view name) const {
  for (std::size_t i = 0; i < objectDataList_.size(); ++i) {
    if (objectDataList_[i]->sectionName == name) return static_cast<int>(i);
  }
  return -1;
}

int TbsSkinData::FindControlData(std::string_view name) const {
  for (std::size_t i = 0; i < controlDataList_.size(); ++i) {
    if (controlDataList_[i]->sectionName == name) return static_cast<int>(i);
  }
  return -1;
}

void TbsSkinData::BroadcastSkinMessage(int message) {
  if (ownerWindow_ != nullptr) ownerWindow_->skinMessage(message, this, kSkinMessageParam);
  if (windows_ == nullptr) return;
  for (int i = 0; i < windows_->windowCount(); ++i) {
    SkinMessageListener* w = windows_->window(i);
    if (w == nullptr || w == ownerWindow_) continue;
    w->skinMessage(message, this, kSkinMessageParam);
  }
}

void TbsSkinData::ReleaseDataObjects() {
  objectDataList_.clear();
  controlDataList_.clear();
  skippedEntries_.clear();
  popupWindow_->windowPictureIndex = -1;
  hintWindow_->windowPictureIndex = -1;
  activePictures_.clear();
  activePictureNames_.clear();
}

void TbsSkinData::ResetSkin() {
  ReleaseDataObjects();
  picture_.clear();
  maskPicture_.clear();
  inactivePicture_.clear();
  pictureName_.clear();
  maskName_.clear();
  empty_ = true;
}

void TbsSkinData::ReadPackage(const TbsCompressedStoredSkin& skin) {
  if (skin.IsEmpty()) return;
  empty_ = true;
  BroadcastSkinMessage(SkinChanging);
  ResetSkin();

  BoundedMemoryStream stream(maxPackageSize_);
  skin.Unpack(stream);
  PackageStreamReader in(stream.bytes());
  const std::int32_t version = in.readInt32("version");
  if (version > 3) return;  // a newer package: the skin stays empty
  picture_ = in.readFlaggedImage("picture");
  inactivePicture_ = in.readFlaggedImage("inactive picture");
  maskPicture_ = in.readFlaggedImage("mask");
  if (version == 2) {
    // Two pictures of an older layout follow; they are no longer used.
    in.readFlaggedImage("legacy picture 1");
    in.readFlaggedImage("legacy picture 2");
  }
  const int count = in.readPictureCount();
  for (int i = 0; i < count; ++i) {
    activePictures_.push_back(in.readImage("active picture " + std::to_string(i)));
  }
  const SkinDefinition def = SkinDefinition::Parse(in.rest());
  stream.clear();
  readDefinition(def);
  empty_ = false;
  BroadcastSkinMessage(SkinChanged);
  BroadcastSkinMessage(SkinChangedMdi);
}

void TbsSkinData::readDefinition(const SkinDefinition& def) {
  skinName_ = ReadString(def, "VERSION", "skinname", "");
  skinAuthor_ = ReadString(def, "VERSION", "skinauthor", "");
  authorEmail_ = ReadString(def, "VERSION", "authoremail", "");
  authorURL_ = ReadString(def, "VERSION", "authorurl", "");
  skinComments_ = ReadString(def, "VERSION", "skincomments", "");

  pictureName_ = ReadString(def, "PICTURES", "picture", "");
  inactivePictureName_ = ReadString(def, "PICTURES", "inactivepicture", "");
  maskName_ = ReadString(def, "PICTURES", "mask", "");
  activePictureNames_ = ReadStringList(def, "PICTURES", "activepictures");

  formInfo_.ReadSection(def, !maskName_.empty());
  popupWindow_->ReadSection(def);
  hintWindow_->ReadSection(def);

  for (const SkinListEntry& e : ReadSkinList(def, "SKINOBJECTS")) {
    std::unique_ptr<TbsDataSkinObject> obj = CreateObjectData(e.kind, e.name);
    if (!obj) {
      skippedEntries_.push_back("SKINOBJECTS " + std::to_string(e.index) + "=" + e.text);
      continue;
    }
    objectDataList_.push_back(std::move(obj));
    objectDataList_.back()->ReadSection(def);
  }
  for (const SkinListEntry& e : ReadSkinList(def, "SKINCONTROLS")) {
    std::unique_ptr<TbsDataSkinControl> ctrl = CreateControlData(e.kind, e.name);
    if (!ctrl) {
      skippedEntries_.push_back("SKINCONTROLS " + std::to_string(e.index) + "=" + e.text);
      continue;
    }
    controlDataList_.push_back(std::move(ctrl));
    controlDataList_.back()->ReadSection(def);
  }
}

}  // namespace skin
