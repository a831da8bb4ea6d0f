#include "core/picture/readout_points.h"

namespace kestrel::picture {

std::vector<IvPoint> chartPoints(const session::ReadoutLog& log) {
    std::vector<IvPoint> points;
    for (const session::Readout& readout : log.charted()) {
        points.push_back({readout.biasVolts, static_cast<double>(readout.current), readout.partial});
    }
    return points;
}

}  // namespace kestrel::picture
