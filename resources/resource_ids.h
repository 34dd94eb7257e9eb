// Names of the program's resources, as resources/corvane.rc declares them.
#pragma once

#define IDI_ICONMAIN "IDI_ICONMAIN"
#define IDI_USER "IDI_USER"
#define IDB_BUTTON "IDB_BUTTON"
#define IDB_LINK "IDB_LINK"
#define IDB_TITLE_LEFT "IDB_TITLE_LEFT"
#define IDB_TITLE_CENTER "IDB_TITLE_CENTER"
#define IDB_TITLE_RIGHT "IDB_TITLE_RIGHT"
