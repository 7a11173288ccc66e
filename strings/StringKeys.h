#pragma once
// The (section, key) pairs of every text the windows ask the string table for, named once here so a
// misspelt key is a compile error rather than an empty label.

#include <cstddef>
#include <iterator>
#include <string_view>

namespace strings {

struct StringKey {
  std::string_view section;  // element names are plain ASCII
  std::string_view key;
  friend constexpr bool operator==(const StringKey&, const StringKey&) = default;
};

inline constexpr StringKey kAboutVersion{"ABOUT", "VERSION"};
inline constexpr StringKey kAboutSupport{"ABOUT", "SUPPORT"};
inline constexpr StringKey kAboutDiscuss{"ABOUT", "DISCUSS"};
inline constexpr StringKey kAboutCopyright{"ABOUT", "COPYRIGHT"};

inline constexpr StringKey kMainName{"MAIN", "NAME"};
inline constexpr StringKey kMainOk{"MAIN", "OK"};
inline constexpr StringKey kMainReference{"MAIN", "REFERENCE"};
inline constexpr StringKey kMainVersion{"MAIN", "VERSION"};
inline constexpr StringKey kMainCancel{"MAIN", "CANCEL"};
inline constexpr StringKey kMainApply{"MAIN", "APPLY"};
inline constexpr StringKey kMainProfile{"MAIN", "PROFILE"};
inline constexpr StringKey kMainResetProfile{"MAIN", "RESETPROFILE"};
inline constexpr StringKey kMainReset{"MAIN", "RESET"};
inline constexpr StringKey kMainLayer1{"MAIN", "LAYER1"};
inline constexpr StringKey kMainLayer2{"MAIN", "LAYER2"};
inline constexpr StringKey kMainLayer3{"MAIN", "LAYER3"};

inline constexpr StringKey kOtherOk{"OTHER", "OK"};
inline constexpr StringKey kOtherCancel{"OTHER", "CANCEL"};
inline constexpr StringKey kOtherProgram{"OTHER", "PROGRAM"};
inline constexpr StringKey kOtherShortcut{"OTHER", "SHORTCUT"};
inline constexpr StringKey kOtherPath{"OTHER", "PATH"};
inline constexpr StringKey kOtherBrowse{"OTHER", "BROWSE"};
inline constexpr StringKey kOtherCustom{"OTHER", "CUSTOM"};
inline constexpr StringKey kOtherMedia{"OTHER", "MEDIA"};
inline constexpr StringKey kOtherUpdate{"OTHER", "UPDATE"};
inline constexpr StringKey kOtherSetting{"OTHER", "SETTING"};
inline constexpr StringKey kOtherCheck{"OTHER", "CHECK"};
inline constexpr StringKey kOtherWindows{"OTHER", "WINDOWS"};
inline constexpr StringKey kOtherITunes{"OTHER", "ITUNES"};
inline constexpr StringKey kOtherReal{"OTHER", "REAL"};
inline constexpr StringKey kOtherWinamp{"OTHER", "WINAMP"};
inline constexpr StringKey kOtherQuick{"OTHER", "QUICK"};
inline constexpr StringKey kOtherDefault{"OTHER", "DEFAULT"};
inline constexpr StringKey kOtherLayer{"OTHER", "LAYER"};
inline constexpr StringKey kOtherOsd{"OTHER", "OSD"};

inline constexpr StringKey kMacroTitle{"MACRO", "TITLE"};
inline constexpr StringKey kMacroDelays{"MACRO", "DELAYS"};
inline constexpr StringKey kMacroRepeat1{"MACRO", "REPEAT1"};
inline constexpr StringKey kMacroRepeat2{"MACRO", "REPEAT2"};
inline constexpr StringKey kMacroRepeat3{"MACRO", "REPEAT3"};
inline constexpr StringKey kMacroRepeat4{"MACRO", "REPEAT4"};
inline constexpr StringKey kMacroAuto{"MACRO", "AUTO"};
inline constexpr StringKey kMacroIgnore{"MACRO", "IGNORE"};
inline constexpr StringKey kMacroRecord{"MACRO", "RECORD"};
inline constexpr StringKey kMacroStop{"MACRO", "STOP"};
inline constexpr StringKey kMacroUp{"MACRO", "UP"};
inline constexpr StringKey kMacroDown{"MACRO", "DOWN"};
inline constexpr StringKey kMacroCopy{"MACRO", "COPY"};
inline constexpr StringKey kMacroAddDelay{"MACRO", "ADDDELAY"};
inline constexpr StringKey kMacroSelect{"MACRO", "SELECT"};
inline constexpr StringKey kMacroSelDelay{"MACRO", "SELDELAY"};
inline constexpr StringKey kMacroDelete{"MACRO", "DELETE"};

inline constexpr StringKey kProfileSetTitle{"PROFILESET", "TITLE"};
inline constexpr StringKey kProfileSetName{"PROFILESET", "NAME"};
inline constexpr StringKey kProfileSetApp{"PROFILESET", "APP"};
inline constexpr StringKey kProfileSetAuto{"PROFILESET", "AUTO"};
inline constexpr StringKey kProfileSetReset{"PROFILESET", "RESET"};
inline constexpr StringKey kProfileSetExport{"PROFILESET", "EXPORT"};
inline constexpr StringKey kProfileSetImport{"PROFILESET", "IMPORT"};
inline constexpr StringKey kProfileSetProfile{"PROFILESET", "PROFILE"};

inline constexpr StringKey kMenuLeftButton{"MENU", "LEFT_BUTTON"};
inline constexpr StringKey kMenuRightButton{"MENU", "RIGHT_BUTTON"};
inline constexpr StringKey kMenuMiddleButton{"MENU", "MIDDLE_BUTTON"};
inline constexpr StringKey kMenuMacro{"MENU", "MACRO"};
inline constexpr StringKey kMenuScrollUp{"MENU", "SCROLL_UP"};
inline constexpr StringKey kMenuScrollDown{"MENU", "SCROLL_DOWN"};
inline constexpr StringKey kMenuProfile{"MENU", "PROFILE"};
inline constexpr StringKey kMenuApp{"MENU", "APP"};
inline constexpr StringKey kMenuDisable{"MENU", "DISABLE"};
inline constexpr StringKey kMenuSwapWindows{"MENU", "SWAP_WINDOWS"};
inline constexpr StringKey kMenuCloseWindows{"MENU", "CLOSE_WINDOWS"};
inline constexpr StringKey kMenuLockPc{"MENU", "LOCK_PC"};
inline constexpr StringKey kMenuOpenWindows{"MENU", "OPEN_WINDOWS"};
inline constexpr StringKey kMenuRun{"MENU", "RUN"};
inline constexpr StringKey kMenuShowDesktop{"MENU", "SHOW_DESKTOP"};
inline constexpr StringKey kMenuZoomIn{"MENU", "ZOOM_IN"};
inline constexpr StringKey kMenuZoomOut{"MENU", "ZOOM_OUT"};
inline constexpr StringKey kMenuMaxWin{"MENU", "MAX_WIN"};
inline constexpr StringKey kMenuMinWin{"MENU", "MIN_WIN"};
inline constexpr StringKey kMenuCut{"MENU", "CUT"};
inline constexpr StringKey kMenuCopy{"MENU", "COPY"};
inline constexpr StringKey kMenuUndo{"MENU", "UNDO"};
inline constexpr StringKey kMenuPaste{"MENU", "PASTE"};
inline constexpr StringKey kMenuAll{"MENU", "ALL"};
inline constexpr StringKey kMenuFind{"MENU", "FIND"};
inline constexpr StringKey kMenuNew{"MENU", "NEW"};
inline constexpr StringKey kMenuPrint{"MENU", "PRINT"};
inline constexpr StringKey kMenuSave{"MENU", "SAVE"};
inline constexpr StringKey kMenuWord{"MENU", "WORD"};
inline constexpr StringKey kMenuExcel{"MENU", "EXCEL"};
inline constexpr StringKey kMenuOutlook{"MENU", "OUTLOOK"};
inline constexpr StringKey kMenuPowerPoint{"MENU", "POWERPOINT"};
inline constexpr StringKey kMenuPlayPause{"MENU", "PLAYPAUSE"};
inline constexpr StringKey kMenuStop{"MENU", "STOP"};
inline constexpr StringKey kMenuPrevious{"MENU", "PREVIOUS"};
inline constexpr StringKey kMenuNext{"MENU", "NEXT"};
inline constexpr StringKey kMenuOpen{"MENU", "OPEN"};
inline constexpr StringKey kMenuVolumeUp{"MENU", "VOLUMEUP"};
inline constexpr StringKey kMenuVolumeDown{"MENU", "VOLUMEDOWN"};
inline constexpr StringKey kMenuMute{"MENU", "MUTE"};
inline constexpr StringKey kMenuHome{"MENU", "HOME"};
inline constexpr StringKey kMenuBack{"MENU", "BACK"};
inline constexpr StringKey kMenuLeft{"MENU", "LEFT"};
inline constexpr StringKey kMenuWStop{"MENU", "WSTOP"};
inline constexpr StringKey kMenuMail{"MENU", "MAIL"};
inline constexpr StringKey kMenuRefresh{"MENU", "REFRESH"};
inline constexpr StringKey kMenuFavorite{"MENU", "FAVORITE"};
inline constexpr StringKey kMenuSearch{"MENU", "SEARCH"};
inline constexpr StringKey kMenuSingleKey{"MENU", "SINGLEKEY"};
inline constexpr StringKey kMenuMouse{"MENU", "MOUSE"};
inline constexpr StringKey kMenuInternet{"MENU", "INTERNET"};
inline constexpr StringKey kMenuOffice{"MENU", "OFFICE"};
inline constexpr StringKey kMenuMedia{"MENU", "MEDIA"};
inline constexpr StringKey kMenuAdditional{"MENU", "ADDITIONAL"};
inline constexpr StringKey kMenuReset{"MENU", "RESET"};

inline constexpr StringKey kWarningSingle{"WARNING", "SINGLE"};
inline constexpr StringKey kWarningSingle1{"WARNING", "SINGLE1"};
inline constexpr StringKey kWarningSingle2{"WARNING", "SINGLE2"};
inline constexpr StringKey kWarningResetAll{"WARNING", "RESETALL"};
inline constexpr StringKey kWarningAll{"WARNING", "ALL"};
inline constexpr StringKey kWarningWant1{"WARNING", "WANT1"};
inline constexpr StringKey kWarningWant2{"WARNING", "WANT2"};
inline constexpr StringKey kWarningWant3{"WARNING", "WANT3"};
inline constexpr StringKey kWarningReset{"WARNING", "RESET"};
inline constexpr StringKey kWarningProfile{"WARNING", "PROFILE"};
inline constexpr StringKey kWarningLayer{"WARNING", "LAYER"};
inline constexpr StringKey kWarningWarning{"WARNING", "WARNING"};
inline constexpr StringKey kWarningSelect{"WARNING", "SELECT"};
inline constexpr StringKey kWarningMax{"WARNING", "MAX"};
// The notice shown when the settings could not all be stored.
inline constexpr StringKey kWarningSave1{"WARNING", "SAVE1"};
inline constexpr StringKey kWarningSave2{"WARNING", "SAVE2"};
// The notice shown when a profile file could not be written or read: the file's name follows FILE1, the
// reason is the second line.
inline constexpr StringKey kWarningFile{"WARNING", "FILE"};
inline constexpr StringKey kWarningFile1{"WARNING", "FILE1"};

// Language files older than the save and profile-file notices hold only the pairs before this index
// of kAllStringKeys; the texts from here on need built-in English.
inline constexpr std::size_t kFirstAddedStringKey = 129;

// Every pair, section by section, keys in the order the windows first ask for them.
inline constexpr StringKey kAllStringKeys[] = {
    kAboutVersion, kAboutSupport, kAboutDiscuss, kAboutCopyright,
    kMainName, kMainOk, kMainReference, kMainVersion, kMainCancel, kMainApply, kMainProfile, kMainResetProfile,
    kMainReset, kMainLayer1, kMainLayer2, kMainLayer3,
    kOtherOk, kOtherCancel, kOtherProgram, kOtherShortcut, kOtherPath, kOtherBrowse, kOtherCustom, kOtherMedia,
    kOtherUpdate, kOtherSetting, kOtherCheck, kOtherWindows, kOtherITunes, kOtherReal, kOtherWinamp, kOtherQuick,
    kOtherDefault, kOtherLayer, kOtherOsd,
    kMacroTitle, kMacroDelays, kMacroRepeat1, kMacroRepeat2, kMacroRepeat3, kMacroRepeat4, kMacroAuto, kMacroIgnore,
    kMacroRecord, kMacroStop, kMacroUp, kMacroDown, kMacroCopy, kMacroAddDelay, kMacroSelect, kMacroSelDelay,
    kMacroDelete,
    kProfileSetTitle, kProfileSetName, kProfileSetApp, kProfileSetAuto, kProfileSetReset, kProfileSetExport,
    kProfileSetImport, kProfileSetProfile,
    kMenuLeftButton, kMenuRightButton, kMenuMiddleButton, kMenuMacro, kMenuScrollUp, kMenuScrollDown, kMenuProfile,
    kMenuApp, kMenuDisable, kMenuSwapWindows, kMenuCloseWindows, kMenuLockPc, kMenuOpenWindows, kMenuRun,
    kMenuShowDesktop, kMenuZoomIn, kMenuZoomOut, kMenuMaxWin, kMenuMinWin, kMenuCut, kMenuCopy, kMenuUndo,
    kMenuPaste, kMenuAll, kMenuFind, kMenuNew, kMenuPrint, kMenuSave, kMenuWord, kMenuExcel, kMenuOutlook,
    kMenuPowerPoint, kMenuPlayPause, kMenuStop, kMenuPrevious, kMenuNext, kMenuOpen, kMenuVolumeUp, kMenuVolumeDown,
    kMenuMute, kMenuHome, kMenuBack, kMenuLeft, kMenuWStop, kMenuMail, kMenuRefresh, kMenuFavorite, kMenuSearch,
    kMenuSingleKey, kMenuMouse, kMenuInternet, kMenuOffice, kMenuMedia, kMenuAdditional, kMenuReset,
    kWarningSingle, kWarningSingle1, kWarningSingle2, kWarningResetAll, kWarningAll, kWarningWant1, kWarningWant2,
    kWarningWant3, kWarningReset, kWarningProfile, kWarningLayer, kWarningWarning, kWarningSelect, kWarningMax,
    kWarningSave1, kWarningSave2, kWarningFile, kWarningFile1,
};
inline constexpr std::size_t kStringKeyCount = std::size(kAllStringKeys);
static_assert(kStringKeyCount == 133);
static_assert(kAllStringKeys[kFirstAddedStringKey] == kWarningSave1);

}  // namespace strings
