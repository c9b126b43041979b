// Errors of the X connection that are no fault of the program.
#pragma once

// Call before SDL starts its video: an X error that only reports a message to
// a window already gone is ignored; any other ends the program as before.
void IgnoreMessagesToClosedWindows();
