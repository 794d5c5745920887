#include "graphs/axis_scale.h"

#include <algorithm>
#include <cmath>

namespace finplan {

namespace {

// Divides v by ten until it is at most 1; returns the unit 10^(steps-1), 1 for <= 1 step.
float reduce(float& v) {
    int steps = 0;
    while (v > 1) {
        v = static_cast<float>(v * 0.1);
        ++steps;
    }
    float unit = 1;
    for (int k = 1; k < steps; ++k)
        unit = unit * 10;
    return unit;
}

// The axis as the rounding rules make it, in floats.
struct FloatAxis {
    float axisMin = 0;
    float axisSpan = 1;
    float axisStep = 0.1f;
};

void spanAndStep(FloatAxis& s, float top) {
    s.axisSpan = std::fabs(s.axisMin) + top;
    if (s.axisSpan == 0) s.axisSpan = 1;
    s.axisStep = static_cast<float>(s.axisSpan * 0.1);
}

FloatAxis ruleAxis(float minValue, float maxValue) {
    FloatAxis s;
    float top = maxValue;
    const float topUnit = reduce(top);
    top = static_cast<float>(std::trunc(top * 11.0) * topUnit * 1.1);

    if (minValue > 0) {
        s.axisMin = 0;
    } else {
        float m = std::fabs(minValue);
        const float unit = reduce(m);
        m = static_cast<float>(std::trunc(m * 10.0) * unit);
        float bottom = -m;
        const double widen[] = {1.1, 1.2, 1.3};
        for (double f : widen) {
            if (!(minValue < bottom)) break;
            bottom = static_cast<float>(-m * f);
        }
        s.axisMin = bottom;
    }
    spanAndStep(s, top);

    const float step = s.axisStep;
    for (int guard = 0; guard < 1000 && maxValue + step > top; ++guard)
        top = top + step;
    spanAndStep(s, top);

    // Lower the axis so that one grid line falls exactly on zero.
    if (s.axisMin < 0) {
        for (int i = 1; i <= 9; ++i) {
            const float g = s.axisMin + static_cast<float>(i) * s.axisStep;
            if (g == 0) break;
            if (g > 0) {
                s.axisMin = s.axisMin - g;
                if (10 * s.axisStep >= maxValue) s.axisSpan = 10 * s.axisStep;
                break;
            }
        }
    }
    return s;
}

bool holds(const FloatAxis& s, double minValue, double maxValue) {
    if (!std::isfinite(s.axisMin) || !std::isfinite(s.axisSpan) || !std::isfinite(s.axisStep))
        return false;
    return minValue >= s.axisMin && maxValue <= static_cast<double>(s.axisMin) + s.axisSpan;
}

} // namespace

AxisScale scaleAxis(float minValue, float maxValue) {
    // A damaged series must not hang the reduction loops below.
    if (!std::isfinite(minValue)) minValue = 0;
    if (!std::isfinite(maxValue)) maxValue = 0;
    // The rounding rules can leave the lowest values below the axis (-1,800 gets an
    // axis from -1,380.5): the range they are given is then widened by a tenth at the
    // side that was not held, until the axis holds every value.
    float lo = minValue;
    float hi = maxValue;
    for (int guard = 0; guard < 100 && std::isfinite(lo) && std::isfinite(hi); ++guard) {
        const FloatAxis f = ruleAxis(lo, hi);
        if (holds(f, minValue, maxValue)) return AxisScale{f.axisMin, f.axisSpan, f.axisStep};
        if (minValue < f.axisMin || !std::isfinite(f.axisMin)) lo = lo * 1.1f;
        if (!(maxValue <= static_cast<double>(f.axisMin) + f.axisSpan)) hi = hi * 1.1f;
    }
    // Amounts near the largest float: ten equal steps from the lowest to the highest.
    const double bottom = std::min(0.0, static_cast<double>(minValue));
    const double span = std::max(0.0, static_cast<double>(maxValue)) - bottom;
    const double step = span > 0 ? span * 0.1 : 0.01;
    return AxisScale{bottom, 10 * step, step, true};
}

double axisLevel(const AxisScale& scale, int d) {
    if (scale.wide) return scale.axisMin + d * scale.axisStep;
    // The float sums the labels have always shown.
    return static_cast<float>(scale.axisMin) +
           static_cast<float>(d) * static_cast<float>(scale.axisStep);
}

} // namespace finplan
