#pragma once

#include <vector>

#include "core/picture/iv_chart.h"
#include "core/session/readout_log.h"

namespace kestrel::picture {

// The readouts the I–V chart shows (ReadoutLog::charted) as its points:
// the bias against the readout, partial ones hollow.
std::vector<IvPoint> chartPoints(const session::ReadoutLog& log);

}  // namespace kestrel::picture
