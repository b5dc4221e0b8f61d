// The skinned scroll bar: a bar of either direction drawn from a section of
// kind "scrollbar" (or its default look), with two buttons, a track and a
// thumb. Buttons step by SmallChange, the track pages by LargeChange, both
// repeating (500 ms, then every 50 ms) while held; the thumb is dragged.
// Lists and the folder tree use it in place of platform scroll bars.
#pragma once

#include <functional>
#include <string>

#include "skin/controls/scroll_bar_layout.h"
#include "skin/controls/skin_control.h"
#include "ui/scheduler.h"

namespace skin {

class TbsDataSkinScrollBarControl;

enum class TbsScrollBarKind { sbHorizontal, sbVertical };

class TbsSkinScrollBar : public TbsSkinCustomControl {
 public:
  // The parts of the bar, hit-tested in this order.
  enum class Part { None, Thumb, DownButton, UpButton, TrackBefore, TrackAfter };

  explicit TbsSkinScrollBar(ui::Component* owner);
  ~TbsSkinScrollBar() override;

  TbsScrollBarKind Kind() const { return kind_; }
  void setKind(TbsScrollBarKind kind);
  bool vertical() const { return kind_ == TbsScrollBarKind::sbVertical; }

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int PageSize() const { return pageSize_; }
  int SmallChange() const { return smallChange_; }
  int LargeChange() const { return largeChange_; }
  void setMin(int v) { SetRange(v, max_, pageSize_, position_); }
  void setMax(int v) { SetRange(min_, v, pageSize_, position_); }
  void setPageSize(int v) { SetRange(min_, max_, v, position_); }
  // Kept within Min..Max - PageSize + 1 (PageSize > 0) or Min..Max; a
  // change repaints and fires OnChange.
  void setPosition(int v);
  void setSmallChange(int v) { smallChange_ = v; }
  void setLargeChange(int v) { largeChange_ = v; }
  // All four at once, the position clamped to the new range.
  void SetRange(int min, int max, int pageSize, int position);

  bool CanFocused() const { return canFocused_; }
  void setCanFocused(bool on);
  // A horizontal bar that leaves BothMarkerWidth pixels at its right end for
  // the corner beside a vertical bar, drawn from BothSkinDataName.
  bool Both() const { return both_; }
  void setBoth(bool on);
  int BothMarkerWidth() const { return bothMarkerWidth_; }
  void setBothMarkerWidth(int w);
  const std::string& BothSkinDataName() const { return bothSkinDataName_; }
  void setBothSkinDataName(const std::string& name);

  // The timer of the repeats (the event loop's unless a test gives its own).
  void setScheduler(ui::Scheduler* scheduler);

  // Geometry for the current size and section, in control coordinates.
  ScrollBarParts parts() const;
  gfx::Rect thumbRect() const;
  Part partAt(gfx::Point p) const;
  Part pressedPart() const { return pressed_; }
  Part hotPart() const { return hot_; }
  bool repeating() const { return repeatCall_ != 0; }

  std::function<void(ui::Control&)> OnChange;
  std::function<void(ui::Control&)> OnLastChange;  // a thumb drag ended
  std::function<void(ui::Control&)> OnUpButtonClick;
  std::function<void(ui::Control&)> OnDownButtonClick;
  std::function<void(ui::Control&)> OnPageUp;
  std::function<void(ui::Control&)> OnPageDown;

  // The bar's own section name; a Both bar draws from BothSkinDataName.
  void SetSkinDataName(const std::string& name) override;
  void ReadSkinSection() override;
  void BeforeChangeSkinData() override;
  void ChangeSkinData() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;

  // Ends a press, repeat or drag (a skin change, the capture taken away, a
  // hidden list).
  void CancelTracking();

 protected:
  void wndProc(ui::Message& m) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseLeave() override;

 private:
  const TbsDataSkinScrollBarControl* scrollSection() const;
  int barLength() const;  // the length less the corner marker
  int minThumbLength() const;
  void stepFor(Part part);  // one step of a press on part
  void startRepeat(int ms);
  void stopRepeat();
  void repeatTick();
  bool trackPassed() const;  // the thumb has reached the pointer
  void drawButtonDefault(gfx::Bitmap& b, const gfx::Rect& r, Part part, bool up) const;
  void drawPart(gfx::Bitmap& b, const gfx::Rect& to, const gfx::Rect& normal,
                const gfx::Rect& active, const gfx::Rect& down, Part part) const;

  TbsScrollBarKind kind_ = TbsScrollBarKind::sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
  int pageSize_ = 0;
  bool canFocused_ = false;
  bool both_ = false;
  int bothMarkerWidth_ = 19;
  std::string bothSkinDataName_ = "bothhscrollbar";
  std::string ownSkinDataName_ = "hscrollbar";

  ui::Scheduler* scheduler_;
  ui::Scheduler::Id repeatCall_ = 0;
  Part pressed_ = Part::None;
  Part hot_ = Part::None;
  bool dragging_ = false;
  bool dragMoved_ = false;
  gfx::Point pressPoint_;
  gfx::Point pointer_;
  int pressThumbOffset_ = 0;
};

}  // namespace skin
