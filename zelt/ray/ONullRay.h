#pragma once

namespace zelt {

// A paraxial ray: heights and angles in the two principal sections.
class ONullRay {
 public:
  ONullRay() = default;
  ONullRay(const ONullRay&) = default;
  ONullRay& operator=(const ONullRay&) = default;
  virtual ~ONullRay() = default;

  // Zeroes heights and angles.
  virtual void clear() { *this = ONullRay(); }

  double hx = 0.0, hy = 0.0;
  double ax = 0.0, ay = 0.0;
};

}  // namespace zelt
