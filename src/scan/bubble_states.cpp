#include "bubble_states.h"

namespace vorn {

BubbleState ClassifyBubble(const BubbleInk& ink) {
    if (ink.inside < kEmptyBelow)
        return ink.shade < kShadeFrom ? BubbleState::Empty : BubbleState::Doubtful;
    if (ink.inside < kMarkedFrom) return BubbleState::Doubtful;
    if (ink.crossArms >= kArmFrom) return BubbleState::Cancelled;
    // One stroke through a filled bubble: half a cross, or a slip.
    if (ink.strongestArm >= kArmFrom) return BubbleState::Doubtful;
    return BubbleState::Marked;
}

} // namespace vorn
