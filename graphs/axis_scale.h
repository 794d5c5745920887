// The value axis of a graph: ten intervals of axisStep from axisMin.
#pragma once

namespace finplan {

struct AxisScale {
    // Doubles, so an axis over amounts near the largest float (a run that held them
    // there) still has a span; ordinary axes are worked out in floats and exact here.
    double axisMin = 0;
    double axisSpan = 1;
    double axisStep = 0.1;
    bool wide = false; // worked out in doubles: its span is beyond a float

    double top() const { return axisMin + axisSpan; }
};

// Rounds the range out to a readable axis that holds every value from minValue to
// maxValue; both must include zero.
AxisScale scaleAxis(float minValue, float maxValue);

// The value of grid line d (0 at the bottom, 10 at the top), as the labels show it.
double axisLevel(const AxisScale& scale, int d);

} // namespace finplan
