// Removal notice of the skin data components.
#include "skin/data/data_component.h"

#include <algorithm>

namespace skin {

DataComponent::~DataComponent() {
  // A listener may unregister others while it is told; work on a copy and
  // skip those that left in the meantime.
  const std::vector<RemovalListener*> listeners = removalListeners_;
  for (RemovalListener* l : listeners) {
    if (std::find(removalListeners_.begin(), removalListeners_.end(), l) ==
        removalListeners_.end()) {
      continue;
    }
    l->componentRemoved(*this);
  }
}

void DataComponent::addRemovalListener(RemovalListener* listener) {
  if (listener == nullptr) return;
  if (std::find(removalListeners_.begin(), removalListeners_.end(), listener) ==
      removalListeners_.end()) {
    removalListeners_.push_back(listener);
  }
}

void DataComponent::removeRemovalListener(RemovalListener* listener) {
  std::erase(removalListeners_, listener);
}

}  // namespace skin
