// Larkspan.exe: the manifest installer on the real Windows services.
#include "larkspan/Larkspan.h"
#include "win32/Win32Services.h"

int main() {
  kov::win32::Win32Os services;
  kov::os::ScopedOs installed(services.Services());
  return kov::larkspan::RunLarkspan();
}
