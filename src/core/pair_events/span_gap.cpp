#include "core/form/form1.h"
#include "core/setup/junction_regions.h"

namespace kestrel {

// Inside the depletion region the marker follows the sloped valence edge and
// reaches GapHeight above it; the conduction edge runs parallel.
void Form1::SpanGap(LineItem& marker, float x) const {
    if (onNSide(x, *this)) {
        marker.Y1 = EcYn;
        marker.Y2 = EvYn;
    }
    if (onPSide(x, *this)) {
        marker.Y1 = EcYp;
        marker.Y2 = EvYp;
    }
    if (inDepletion(x, *this)) {
        const double valenceEdge = valenceEdgeInDepletion(x, *this);
        marker.Y1 = toSingle(valenceEdge - GapHeight);
        marker.Y2 = toSingle(valenceEdge);
    }
}

}  // namespace kestrel
