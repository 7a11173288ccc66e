#pragma once
// Resource numbers of the program: dialog templates, the icon, strings and template controls. Every
// window folder takes its template numbers from here, below all of them. Plain #defines, as the
// resource compiler reads this file too.

#define IDS_ABOUTBOX 101

#define IDD_OSSELSETTING_DIALOG 102
#define IDD_ABOUTBOX 105
#define IDD_BMPMENU 133
#define IDD_REFRENCE 136
#define IDD_SWITCH 138
#define IDD_MOUSE 139
#define IDD_MACROSET 140
#define IDD_PROFILESET 141
#define IDD_SINGLEKEY 142
#define IDD_WARNING 143
#define IDD_LAUNCHPROGRAM 144
#define IDD_SWITCHPROFILE 145

// The window icon. Nothing outside the program asks for it by number.
#define IDR_MAINFRAME 128

// The about box's two link statics.
#define IDC_SUPPORT_LINK 1004
#define IDC_FORUM_LINK 1005
