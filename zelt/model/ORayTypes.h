#pragma once
// Forward declarations of the ray records that the ray tracing defines; the model's transfer and
// refraction operations take them by reference.

#include <array>

namespace zelt {

class ORealRay;
class ORayCalc;

/// Paraxial 2×2 matrix stored row by row, acting on the column vector (height, angle).
using OMatrix2 = std::array<std::array<double, 2>, 2>;

}  // namespace zelt
