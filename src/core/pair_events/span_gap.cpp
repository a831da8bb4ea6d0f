#include "core/form/form1.h"
#include "core/setup/junction_regions.h"

namespace kestrel {

// Inside the depletion region the marker follows the sloped valence edge and
// reaches GapHeight above it; the conduction edge runs parallel.
void Form1::SpanGap(LineItem& marker) const {
    if (onNSide(X, *this)) {
        marker.Y1 = EcYn;
        marker.Y2 = EvYn;
    }
    if (onPSide(X, *this)) {
        marker.Y1 = EcYp;
        marker.Y2 = EvYp;
    }
    if (inDepletion(X, *this)) {
        const double valenceEdge = valenceEdgeInDepletion(X, *this);
        marker.Y1 = toSingle(valenceEdge - GapHeight);
        marker.Y2 = toSingle(valenceEdge);
    }
}

}  // namespace kestrel
