// Key events on their way from the platform (or a script) to KeyState. Events wait in a queue
// and are delivered only inside a pass of the game loop, so every step of a pass sees the same
// key states. A recorder may listen to what is delivered, stamped with the virtual time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "stagedata/codes.h"

namespace slidestone {

struct Game;

// A key, or a mouse button (codes 1 left and 2 right, as the platform numbers them) with the
// pointer's place, or the pointer moving (pointer set; down and code unused). Places are pixels
// of the 640 x 480 screen.
struct KeyEvent {
  bool down = false;
  int code = 0;  // virtual-key code
  bool pointer = false;
  int x = -1, y = -1;
};


class KeyRecorder {
 public:
  virtual ~KeyRecorder() = default;
  virtual void Delivered(int64_t now, const KeyEvent& e) = 0;
};

class Input {
 public:
  // Queues an event for the next delivery; drops it when the queue is full.
  void Push(const KeyEvent& e);
  // Applies every queued event to KeyState, in order: key-down -1, key-up 0, codes 0..256 only.
  void Deliver(Game& g);
  // Drops every queued event (the splash takes no input).
  void Discard() { head_ = size_ = 0; }
  // Takes the oldest queued event out without delivering it; false when there is none.
  bool Take(KeyEvent& e);
  size_t Pending() const { return size_; }
  KeyRecorder* recorder = nullptr;
  // Where the pointer was last seen on the screen; -1 before it ever was.
  int pointerX = -1, pointerY = -1;

 private:
  std::array<KeyEvent, 512> queue_{};
  size_t head_ = 0, size_ = 0;
};

// Key events from the platform with the time they happened (real milliseconds), waiting for the
// pass of that millisecond. A loop that sleeps between passes hands them over here, so each event
// still joins the pass it belongs to.
class ArrivalQueue {
 public:
  void Add(uint32_t stampMs, const KeyEvent& e);
  // Moves every event stamped at or before nowMs into the input, in order. A key released in the
  // same millisecond it went down (synthetic input does that) would leave no trace in KeyState,
  // so its release, and everything after it, waits for the next pass.
  void DeliverUpTo(uint64_t nowMs, Input& input);
  size_t Waiting() const { return size_; }

 private:
  struct Arrival {
    uint32_t stamp;
    KeyEvent event;
  };
  std::array<Arrival, 256> queue_{};
  size_t head_ = 0, size_ = 0;
};

}  // namespace slidestone
