// Timing marks around the steps of start-up, for the start-up benchmark's
// breakdown. Only the benchmark's build of the program (TV_STARTUP_MARKS)
// records them; in the shipped program a mark is nothing at all.
#pragma once

namespace tv {

#ifdef TV_STARTUP_MARKS
// Notes that `step` has just ended (the performance counter, which every
// process on the machine shares, so the benchmark can set its own beside it).
void StartupMark(const char* step);
// Writes the marks, one "counter step" line each, to the file the
// environment's TV_STARTUP_MARKS_FILE names; nothing without one.
void WriteStartupMarks();
#else
inline void StartupMark(const char*) {}
inline void WriteStartupMarks() {}
#endif

}  // namespace tv
