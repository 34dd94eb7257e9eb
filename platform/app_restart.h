// Windows' restart of the program after an installer has closed it: another
// program's installer (Palm Desktop's, say) asks the Restart Manager to close
// Corvane, which holds Palm Desktop's libraries, and Windows starts Corvane
// again once the installer is done.
#pragma once

namespace corvane {

// On: the next close by the Restart Manager is followed by a hidden start, as
// at log-on (crashes, hangs and reboots restart nothing: the log-on entry
// starts Corvane after a reboot). Off: nothing restarts it, for a log-off or
// shutdown. Does nothing before Windows Vista.
void SetRestartAfterUpdate(bool on);

}  // namespace corvane
