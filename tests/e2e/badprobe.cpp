// A probe library that refuses to load: its start-up code says no.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI ProbeMenu(void*) { return 0; }
