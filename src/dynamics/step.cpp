#include "model/form1.h"

namespace kestrel {

// One 50 ms step of the animation. The carrier motion, the contacts, the pair
// events and the strip chart are not built yet; until they are, a tick leaves
// everything as it is.
void Form1::Timer1_Timer() {}

}  // namespace kestrel
