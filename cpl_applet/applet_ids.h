// The applet's resource ids (used by its .rc file too) and the string ids
// of its labels, which the language libraries serve.
#pragma once

// The audio controls dialog and its controls.
#define IDD_CONTROLS 9001
#define IDC_LANGUAGE_LIST 9016
#define IDC_HELP_BUTTON 9000
#define IDC_LANGUAGE_LABEL 9002
#define IDC_SOFTWARE_LABEL 9054
#define IDC_FIRMWARE_LABEL 9055
#define IDC_LOCATION_LABEL 9056
#define IDC_SOFTWARE_VERSION 9050
#define IDC_FIRMWARE_VERSION 9051
#define IDC_LOCATION 9052

// The applet's icon.
#define IDI_APPLET 9000

// "name\ndescription\nhelp file", as the Control Panel lists the applet.
#define IDS_APPLET 1

// The languages' own names, as the list shows them.
#define IDS_DUTCH 1049
#define IDS_ENGLISH 1050
#define IDS_FRENCH 1051
#define IDS_GERMAN 1052
#define IDS_ITALIAN 1053
#define IDS_SPANISH 1054

// Label texts of the suite's numbering, served by the language libraries.
#define IDS_LANGUAGE_LABEL 1055
#define IDS_HELP_BUTTON 1109
#define IDS_SOFTWARE_LABEL 1101
#define IDS_FIRMWARE_LABEL 1102
#define IDS_LOCATION_LABEL 1103
