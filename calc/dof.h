#pragma once
// Depth-of-field arithmetic. Every length inside the calculation is in
// millimetres, and every step runs in a fixed order: the printed results
// depend on that order in their last digits.

struct DistanceUnit {
    int code;
    const char* listText;
    const char* suffix;
    double factor; // metres per unit
};

// The units in the unit list's order: each code is its position, each list
// text is the text the list shows.
inline constexpr int kDistanceUnitCount = 5;
// The unit whose lengths are feet, written in feet and inches.
inline constexpr int kFeetAndInchesCode = 4;
inline constexpr int kFeetCode = 0;
inline constexpr int kInchesCode = 1;
extern const DistanceUnit distanceUnits[kDistanceUnitCount];

// The unit for a code from the unit list; codes outside 0..3 give an empty
// suffix and the factor 0.0.
const DistanceUnit& DistanceUnitFor(int code);

double ApplyDiopter(double f, double D);

struct DepthOfField {
    double hyperfocal;
    double nearLimit;
    double farLimit; // 10000000.0 when farIsInfinite
    bool farIsInfinite;
};

DepthOfField ComputeDepthOfField(double f, double N, double c, double s);

// A distance in the user's unit, in millimetres.
inline double ToMillimetres(double v, double factor) {
    return (v * factor) * 1000.0;
}

// Millimetres back into the user's unit; the reciprocal of the factor is
// taken once and shared by every conversion of one calculation.
class FromMillimetres {
  public:
    explicit FromMillimetres(double factor) : m_reciprocal(1.0 / factor) {}
    double operator()(double x) const { return (m_reciprocal * x) * 0.001; }

  private:
    double m_reciprocal;
};
