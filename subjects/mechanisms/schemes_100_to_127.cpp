#include "subjects/mechanisms/catalogue.h"
#include "toolkit/picture_frames.h"

namespace mechanisms {

// Schemes 100..122 and 127 are drawn here as their figures land; whatever the scheme, the
// figure that an earlier drawer opened is closed here, once per variant.
void DrawSchemes100To127(SharedState& s) {
  toolkit::EndPicture(s);
}

}  // namespace mechanisms
