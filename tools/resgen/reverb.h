// A stereo room reverb for loops (eight damped combs and four all-passes per side, in the manner
// of the classic Schroeder-Moorer design). Generator thread.
#pragma once

#include "tools/resgen/dsp.h"

namespace resgen::dsp {

// Fills wetL and wetR with the reverberation of a loop (inL, inR of equal length), as heard in
// the loop's second time round: the tail of the loop's end is already ringing at its start.
void LoopReverb(const Signal& inL, const Signal& inR, Signal& wetL, Signal& wetR);

}  // namespace resgen::dsp
