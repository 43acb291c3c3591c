// A list of effect objects that remove themselves while the list is being walked. Each object
// records the list it belongs to in its `list` member; removal only clears that record, and
// the list drops such entries when it is next walked, so every remaining object
// is visited exactly once and nothing is allocated per frame.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

template <class T>
class EffectList {
 public:
  using Ptr = std::shared_ptr<T>;

  EffectList() = default;
  EffectList(const EffectList&) = delete;
  EffectList& operator=(const EffectList&) = delete;
  ~EffectList() { clear(); }

  void add(Ptr item) {
    if (!item) return;
    if (item->list) item->list->remove(item.get());
    item->list = this;
    items_.push_back(std::move(item));
  }

  // Never frees the item at once: it may be removing itself from inside its own update.
  void remove(T* item) {
    if (!item || item->list != this) return;
    item->list = nullptr;
    pending_ = true;
  }

  void clear() {
    for (const Ptr& p : items_)
      if (p->list == this) p->list = nullptr;
    if (walking_ > 0)
      pending_ = true;
    else
      items_.clear();
  }

  // Calls f on every member in list order, including members added during the walk.
  template <class F>
  void forEach(F&& f) {
    if (walking_ == 0 && pending_) compact();
    ++walking_;
    for (size_t i = 0; i < items_.size(); ++i) {
      T* item = items_[i].get();
      if (item->list == this) f(*item);
    }
    if (--walking_ == 0 && pending_) compact();
  }

  size_t size() const {
    return static_cast<size_t>(std::count_if(items_.begin(), items_.end(),
                                             [this](const Ptr& p) { return p->list == this; }));
  }
  bool empty() const { return size() == 0; }
  bool contains(const T* item) const { return item && item->list == this; }

 private:
  void compact() {
    pending_ = false;
    std::erase_if(items_, [this](const Ptr& p) { return p->list != this; });
  }

  std::vector<Ptr> items_;
  int walking_ = 0;
  bool pending_ = false;
};
