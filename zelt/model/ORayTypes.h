#pragma once
// The ray records of zelt/ray that the model's transfer and refraction operations take by
// reference, and the paraxial 2x2 matrix they return.

#include "zelt/ray/ParaxialMatrix.h"

namespace zelt {

class ORealRay;
class ORayCalc;

}  // namespace zelt
