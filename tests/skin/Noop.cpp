// A windowless program that ends at once: the link tests open it, so opening succeeds without
// starting anything that would stay or take the foreground.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
