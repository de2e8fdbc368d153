// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sine, cosine, arc tangent and friends worked out the same way, bit for
// bit, wherever the program runs. The C library's versions differ in the
// last bit between the desktop's and a web page's runtime, and the games
// feed angles into motion that runs for hundreds of steps: one throw, one
// break or one computer shot would end elsewhere. These use only + - * /
// and sqrt (exactly rounded everywhere), so a scripted game on the desktop
// and in the page ends in the same state. They are accurate to about one
// unit in the last place over the ranges the games use (angles of a few
// turns, lengths of a few thousand pixels).
#include <cmath>

#if defined(__clang__)
#pragma STDC FP_CONTRACT OFF
#endif

namespace pmath {

inline constexpr double kPi = 3.141592653589793238;

namespace detail {

// pi/2 in three parts, each with trailing zero bits, so n * part is exact
// for the n the games reach.
inline constexpr double kHalfPi1 = 1.5707963267341256e+00;
inline constexpr double kHalfPi2 = 6.077100506303966e-11;
inline constexpr double kHalfPi3 = 2.0222662487959506e-21;

// sin x and cos x for |x| <= pi/4, by their series (the last term is
// below a part in 1e19 there).
inline double SinSeries(double x) {
  const double x2 = x * x;
  double term = x, sum = x;
  for (int k = 1; k <= 9; ++k) {
    term = -term * x2 / ((2.0 * k) * (2.0 * k + 1.0));
    sum += term;
  }
  return sum;
}

inline double CosSeries(double x) {
  const double x2 = x * x;
  double term = 1.0, sum = 1.0;
  for (int k = 1; k <= 10; ++k) {
    term = -term * x2 / ((2.0 * k - 1.0) * (2.0 * k));
    sum += term;
  }
  return sum;
}

// x less a whole number of quarter turns, and that number (mod 4).
inline double ReduceQuarter(double x, int* quadrant) {
  const double n = std::nearbyint(x / (kHalfPi1 + kHalfPi2));
  *quadrant = static_cast<int>(static_cast<long long>(n) & 3);
  return ((x - n * kHalfPi1) - n * kHalfPi2) - n * kHalfPi3;
}

// atan x for 0 <= x <= 1: halved twice (atan x = 2 atan(x / (1 + sqrt(1 + x^2))))
// to below tan(pi/16), then its series.
inline double AtanUnit(double x) {
  for (int i = 0; i < 2; ++i) x = x / (1.0 + std::sqrt(1.0 + x * x));
  const double x2 = x * x;
  double power = x, sum = x;
  for (int k = 1; k <= 13; ++k) {
    power = -power * x2;
    sum += power / (2.0 * k + 1.0);
  }
  return 4.0 * sum;
}

}  // namespace detail

inline double Sin(double x) {
  if (!std::isfinite(x)) return x - x;
  int q = 0;
  const double r = detail::ReduceQuarter(x, &q);
  switch (q) {
    case 0: return detail::SinSeries(r);
    case 1: return detail::CosSeries(r);
    case 2: return -detail::SinSeries(r);
    default: return -detail::CosSeries(r);
  }
}

inline double Cos(double x) {
  if (!std::isfinite(x)) return x - x;
  int q = 0;
  const double r = detail::ReduceQuarter(x, &q);
  switch (q) {
    case 0: return detail::CosSeries(r);
    case 1: return -detail::SinSeries(r);
    case 2: return -detail::CosSeries(r);
    default: return detail::SinSeries(r);
  }
}

// The angle of (x, y) from the positive x axis, in -pi..pi.
inline double Atan2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return x + y;
  const double ax = std::fabs(x), ay = std::fabs(y);
  if (ax == 0.0 && ay == 0.0) return std::signbit(x) ? std::copysign(kPi, y) : std::copysign(0.0, y);
  double a = 0.0;
  if (std::isinf(ax) || std::isinf(ay)) {
    a = std::isinf(ax) ? (std::isinf(ay) ? kPi / 4 : 0.0) : kPi / 2;
  } else {
    a = ay <= ax ? detail::AtanUnit(ay / ax) : kPi / 2 - detail::AtanUnit(ax / ay);
  }
  if (std::signbit(x)) a = kPi - a;
  return std::copysign(a, y);
}

inline double Atan(double x) { return Atan2(x, 1.0); }

// Arc sine and cosine; outside -1..1 there is no angle (NaN).
inline double Asin(double x) {
  if (!(std::fabs(x) <= 1.0)) return std::nan("");
  return Atan2(x, std::sqrt((1.0 - x) * (1.0 + x)));
}

inline double Acos(double x) {
  if (!(std::fabs(x) <= 1.0)) return std::nan("");
  return Atan2(std::sqrt((1.0 - x) * (1.0 + x)), x);
}

// The length of (x, y): lengths in the games never come near overflow.
inline double Hypot(double x, double y) { return std::sqrt(x * x + y * y); }

}  // namespace pmath
