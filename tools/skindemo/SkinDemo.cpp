// SkinDemo.exe: one window with every skinned control, drawn from the generated skin beside the program
// when it is there ("Skins\"), else from pictures the demo draws itself into the temporary folder.
//   SkinDemo.exe [/menu] [/warning]   opens the key menu or the warning question at once
#include <windows.h>

#include "framework/Gdiplus.h"
#include "framework/WinApp.h"
#include "platform/win32/Text.h"
#include "platform/ProgramFolders.h"
#include "tools/skindemo/FallbackArt.h"
#include "tools/skindemo/SkinDemoDlg.h"

namespace {

class CSkinDemoApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    wchar_t module[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::wstring real = win::Wide(platform::FolderOfModule(win::Utf16(module)));
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring fallback = std::wstring(temp) + L"TrelmSkinDemo\\";
    skindemo::DrawFallbackArt(fallback, real);

    skindemo::CSkinDemoDlg dialog(real, fallback);
    SetMainWnd(&dialog);
    dialog.DoModal();
    SetMainWnd(nullptr);
    return FALSE;
  }

 private:
  win::GdiplusSession m_gdiplus;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CSkinDemoApp app;
  return app.Execute();
}
