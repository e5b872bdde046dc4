#pragma once

#include <QString>

// The suite's launcher listens on a local socket; this module tells it when
// its main window has closed with the line "closed<TAB>project id".
namespace LauncherLink {

// "Tfrm_0Main", or KEST_LAUNCHER_NAME when set (tests, other launchers).
QString serverName();

// Sends the module-closed line when a launcher listens; false when none does.
bool SendModuleClosed(const QString &projectId);

} // namespace LauncherLink
