#pragma once
// The sudden-death clock of a one-player game: the person's time for one move, counted down by
// 100 ms ticks. Both game windows use it, with their own limits. Whether it runs is the
// window's timer's business; this holds only the arithmetic.

namespace dorvan::rules {

inline constexpr int kTickMs = 100;

class MoveClock {
 public:
  explicit constexpr MoveClock(int timelimit) : timelimit_(timelimit) {}

  constexpr void restart() { timeleft_ = timelimit_; }

  // One tick; true once the time is up. Reaching exactly 0 still leaves the move open, so the
  // loss comes on the tick after the full limit (the 201st with 20 s).
  constexpr bool tick() {
    timeleft_ -= kTickMs;
    return expired();
  }
  constexpr bool expired() const { return timeleft_ < 0; }

  constexpr int timeleft() const { return timeleft_; }
  constexpr int timelimit() const { return timelimit_; }

  // Left edge of the sliding bar over a track of the given width: the full width when the clock
  // has just started, 0 as time runs out.
  constexpr float barLeft(float trackWidth) const {
    return static_cast<float>(static_cast<double>(timeleft_) / timelimit_ * trackWidth);
  }

 private:
  int timelimit_;
  int timeleft_ = 0;  // not set until the first restart
};

}  // namespace dorvan::rules
