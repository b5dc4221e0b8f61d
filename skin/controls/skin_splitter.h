// The skinned splitter: a bar between an aligned control and the rest of
// its parent that resizes that control when dragged. It draws from a
// splitter section ("vsplitter" for a bar standing upright, "hsplitter" for
// one lying across) and in the plain splitter look without one.
#pragma once

#include <functional>
#include <memory>

#include "skin/controls/skin_control.h"

class QWidget;
class QObject;

namespace skin {

class TbsSkinSplitter : public TbsGraphicSkinControl {
 public:
  explicit TbsSkinSplitter(ui::Component* owner);
  ~TbsSkinSplitter() override;

  int DefaultSize() const { return defaultSize_; }
  void setDefaultSize(int size) { defaultSize_ = size; }
  // The smallest size a drag leaves the neighbour (30).
  int MinSize() const { return minSize_; }
  void setMinSize(int size) { minSize_ = size < 0 ? 0 : size; }

  // Re-reads the section and takes its thickness (DefaultSize without one).
  void ChangeSkinData() override;
  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;

  // Drag state, for callers and tests.
  bool Dragging() const { return neighbour_ != nullptr; }
  // The size the neighbour gets when the drag ends now.
  int NewSize() const { return newSize_; }
  // Ends a drag without changing anything (Escape does this).
  void CancelDrag();

  // After a drag changed the neighbour's size.
  std::function<void(ui::Control&)> OnMoved;

 protected:
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void wndProc(ui::Message& m) override;

 private:
  bool horizontalBar() const;  // top or bottom aligned: lies across
  ui::Control* findNeighbour() const;
  int neighbourExtent(const ui::Control& c) const;
  void showFeedback();
  void endDrag();

  int defaultSize_ = 10;
  int minSize_ = 30;
  // The section's cached keys (valid while sectionIndex_ != -1).
  gfx::Rect skinRect_;
  gfx::Point leftTop_, rightTop_, leftBottom_;
  const gfx::Bitmap* picture_ = nullptr;

  ui::Control* neighbour_ = nullptr;
  int downPos_ = 0;  // pointer position along the drag axis, in the parent
  int oldSize_ = 0;
  int maxSize_ = 0;
  int newSize_ = 0;
  std::unique_ptr<QWidget> line_;          // the pattern line shown while dragging
  std::unique_ptr<QObject> escapeFilter_;  // Escape anywhere cancels the drag
};

}  // namespace skin
