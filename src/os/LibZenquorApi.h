// The exported functions of the maker's support library LibZenquor, as the add-in calls them.
// Every function takes the caller's module handle first and returns a 32-bit result; texts are
// 8-bit code-page strings. LibZenquorInit takes, after the three values the add-in always passes,
// the folder of the add-in's file, where the library keeps its log.
#pragma once

#include <cstdint>

extern "C" {
using LibZenquorAddAboutMenuFn = int32_t (*)(uint32_t hModule, void* objExplorer);
using LibZenquorCreateLogFn = int32_t (*)(uint32_t hModule, int32_t bErr, const char* fileName,
                                          const char* componentName, const char* componentVer,
                                          int32_t* logLevel);
using LibZenquorInitFn = int32_t (*)(uint32_t hModule, void* objOLAppDisp,
                                     std::uintptr_t lpQuickStartProc, const char* addinFolder);
using LibZenquorInitCompleteFn = int32_t (*)(uint32_t hModule);
using LibZenquorInitExFn = int32_t (*)(uint32_t hModule, void* pParams);
using LibZenquorLogMsgFn = int32_t (*)(uint32_t hModule, const char* text, int32_t errNo,
                                       const char* point, int32_t type, int32_t level);
using LibZenquorLogMsgExFn = int32_t (*)(uint32_t hModule, const char* text, int32_t errNo,
                                         const char* point, int32_t type, int32_t level,
                                         int32_t index);
using LibZenquorReportProblemFn = int32_t (*)(uint32_t hModule);
using LibZenquorShowAboutFn = int32_t (*)(uint32_t hModule);
}
