#pragma once
// SIGTERM (an idle daemon or a screen-saver daemon ending us) and SIGINT end the program
// normally, from its event loop, so the display connection is closed in order with nothing
// half drawn. The handlers go in before the toolkit starts: a signal in the first moments is
// kept and acted on as soon as the loop runs, rather than killing the process outright.
// Implements: the signal half, on a self-pipe; each backend's loop watches the descriptor.

namespace corvanta::linux_services {

// Installs the handlers once; later calls do nothing. False when the pipe cannot be made.
bool CatchStopSignals();

// The pipe's read end, non-blocking and close-on-exec, readable once a stop signal came;
// -1 before CatchStopSignals.
int StopSignalFd();

// Empties the pipe; true when a stop signal had come.
bool TakeStopSignals();

}  // namespace corvanta::linux_services
