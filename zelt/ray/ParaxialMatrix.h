#pragma once

namespace zelt {

// A 2x2 paraxial matrix acting on the column (h, alpha), stored row by row.
struct Matrix2 {
  double a11 = 1.0, a12 = 0.0;
  double a21 = 0.0, a22 = 1.0;

  // Returns this matrix times another.
  Matrix2 operator*(const Matrix2& m) const {
    return {a11 * m.a11 + a12 * m.a21, a11 * m.a12 + a12 * m.a22, a21 * m.a11 + a22 * m.a21,
            a21 * m.a12 + a22 * m.a22};
  }
};

// A paraxial ray: height and angle, a point on the axis lies at h / alpha.
struct ParaxialRay {
  double h = 0.0;
  double alpha = 0.0;
};

// Returns the matrix applied to a ray.
inline ParaxialRay operator*(const Matrix2& m, const ParaxialRay& r) {
  return {m.a11 * r.h + m.a12 * r.alpha, m.a21 * r.h + m.a22 * r.alpha};
}

// Returns the refraction matrix of a surface of curvature c for mu = (n s)/(n' s'), scaled by k.
inline Matrix2 refractionMatrix(double c, double mu, double k = 1.0) {
  return {1.0, 0.0, k * c * (1.0 - mu), mu};
}

// Returns the transfer matrix over an axial distance d.
inline Matrix2 transferMatrix(double d) {
  return {1.0, -d, 0.0, 1.0};
}

}  // namespace zelt
