// The small component model of the skin data layer: a design-state flag, a
// loading flag (set while stored properties are being read) and the removal
// notice by which a component that refers to another hears that the other is
// being destroyed and clears its reference. The window framework's own
// components adapt to this where they hold skin data components.
#pragma once

#include <vector>

namespace skin {

class DataComponent;

// Something that refers to a component and must forget it when it goes away.
class RemovalListener {
 public:
  virtual void componentRemoved(DataComponent& component) = 0;

 protected:
  ~RemovalListener() = default;
};

class DataComponent {
 public:
  DataComponent() = default;
  DataComponent(const DataComponent&) = delete;
  DataComponent& operator=(const DataComponent&) = delete;
  // Tells every listener, in the order they registered, that this component
  // is going away.
  virtual ~DataComponent();

  // Edited in a window designer rather than running in the program.
  bool designing() const { return designing_; }
  void setDesigning(bool on) { designing_ = on; }
  // Its stored properties are being read.
  bool loading() const { return loading_; }
  void setLoading(bool on) { loading_ = on; }

  // Registering twice has no further effect.
  void addRemovalListener(RemovalListener* listener);
  void removeRemovalListener(RemovalListener* listener);

 private:
  bool designing_ = false;
  bool loading_ = false;
  std::vector<RemovalListener*> removalListeners_;
};

}  // namespace skin
