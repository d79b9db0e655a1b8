#include "shell/input.h"

#include "presentation/game.h"

namespace slidestone {

void Input::Push(const KeyEvent& e) {
  if (size_ == queue_.size()) return;
  queue_[(head_ + size_) % queue_.size()] = e;
  ++size_;
}

void Input::Deliver(Game& g) {
  while (size_ > 0) {
    const KeyEvent e = queue_[head_];
    head_ = (head_ + 1) % queue_.size();
    --size_;
    if (e.pointer || (e.x >= 0 && e.y >= 0)) {
      pointerX = e.x;
      pointerY = e.y;
    }
    if (e.pointer) {
      if (recorder) recorder->Delivered(g.Now, e);
      continue;
    }
    if (e.code < 0 || e.code >= kKeyCount) continue;
    g.KeyState[size_t(e.code)] = e.down ? kTrue : kFalse;
    if (recorder) recorder->Delivered(g.Now, e);
  }
}

bool Input::Take(KeyEvent& e) {
  if (size_ == 0) return false;
  e = queue_[head_];
  head_ = (head_ + 1) % queue_.size();
  --size_;
  return true;
}

void ArrivalQueue::Add(uint32_t stampMs, const KeyEvent& e) {
  if (size_ == queue_.size()) return;
  queue_[(head_ + size_) % queue_.size()] = {stampMs, e};
  ++size_;
}

void ArrivalQueue::DeliverUpTo(uint64_t nowMs, Input& input) {
  std::array<int, 16> downNow{};
  size_t downs = 0;
  while (size_ > 0) {
    const Arrival& a = queue_[head_];
    if (int32_t(a.stamp - uint32_t(nowMs)) > 0) return;  // not yet: stamps wrap after 49 days
    const KeyEvent& e = a.event;
    if (!e.down) {
      for (size_t i = 0; i < downs; ++i) {
        if (downNow[i] == e.code) return;
      }
    } else if (downs < downNow.size()) {
      downNow[downs++] = e.code;
    }
    input.Push(e);
    head_ = (head_ + 1) % queue_.size();
    --size_;
  }
}

}  // namespace slidestone
