// The value axis of a graph: ten intervals of axisStep from axisMin.
#pragma once

namespace finplan {

struct AxisScale {
    float axisMin = 0;
    float axisSpan = 1;
    float axisStep = 0.1f;
};

// Rounds the range out to a readable axis; minValue and maxValue must include zero.
AxisScale scaleAxis(float minValue, float maxValue);

} // namespace finplan
