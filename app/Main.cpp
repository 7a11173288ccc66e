#include <windows.h>

#include "app/OsselSettingApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  COsselSettingApp app;
  return app.Execute();
}
