#pragma once

// Gives memory the process no longer uses back to the system and lets pending window events
// run, so the window behind a closed dialog repaints at once.
void TrimWorkingSet();
