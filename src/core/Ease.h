// Stepping a value toward its target, the way every fade, swell and slide of the game moves.
#pragma once

// Moves value toward target by step (scaled by delta by the caller) without passing it.
float easeToward(float value, float target, float step);
