#include "graphs/axis_scale.h"

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

void spanAndStep(AxisScale& s, float top) {
    s.axisSpan = std::fabs(s.axisMin) + top;
    if (s.axisSpan == 0) s.axisSpan = 1;
    s.axisStep = static_cast<float>(s.axisSpan * 0.1);
}

} // namespace

AxisScale scaleAxis(float minValue, float maxValue) {
    // A damaged series must not hang the reduction loops below.
    if (!std::isfinite(minValue)) minValue = 0;
    if (!std::isfinite(maxValue)) maxValue = 0;
    AxisScale s;
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

} // namespace finplan
