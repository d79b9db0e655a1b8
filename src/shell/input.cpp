#include "shell/input.h"

#include "stagedata/game.h"

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
    if (e.code < 0 || e.code >= kKeyCount) continue;
    g.KeyState[e.code] = e.down ? kTrue : kFalse;
    if (recorder) recorder->Delivered(g.Now, e);
  }
}

}  // namespace slidestone
