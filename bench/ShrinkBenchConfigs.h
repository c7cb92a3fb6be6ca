#pragma once

#include "history/DrawHistory.h"
#include "shrink/ShrinkConditions.h"

// Condition sets for measuring the shrink run, also checked against the reference by the tests.

namespace quorvane::benchconfig {

// The latest draw that stage 23 compares with.
DrawHistory History();

// Every one of the 49 stages active; a few per cent of the tickets survive.
ShrinkConditions Heavy();

// Every stage whose test can keep most tickets is active with a test that does fail on some
// tickets, and most tickets survive. Left out are the stages that cannot keep most tickets: the
// exact row and column counts and the killed tails (stages 1-7, each keeps at most about half)
// and the must-have numbers (stage 41 keeps at most 6 in 33).
ShrinkConditions MostSurvive();

// Every one of the 49 stages active, each as lenient as its test allows.
ShrinkConditions AllLenient();

// AllLenient with every one of the sixteen ranges of stage 48 narrowed and the exclusion of past
// draws switched on: all 64 conditions of a run active.
ShrinkConditions EveryCondition();

} // namespace quorvane::benchconfig
