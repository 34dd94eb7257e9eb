// Resource identifiers of the stand-in conduits' settings dialog.
#pragma once

#define IDD_CONDUIT_SETTINGS 100
#define IDC_SYNCHRONIZE 101
#define IDC_PC_TO_HH 102
#define IDC_HH_TO_PC 103
#define IDC_DO_NOTHING 104
#define IDC_DIRECTORY 105
