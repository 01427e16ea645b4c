#pragma once
// The plug-in's C interface: the eleven functions the host resolves by name,
// with the host's own argument lists. Host stand-ins (tests, zova-score) use
// the pointer types; the plug-in defines the functions.
#include "platform/ole_date.h"

#if defined(_WIN32)
#define STATS_CALL __cdecl
#define STATS_EXPORT
#else
#define STATS_CALL
#define STATS_EXPORT __attribute__((visibility("default")))
#endif

using CStr = const char*;
using ODate = COleDateTime*;

#define STATS_RESET_ARGS                                                                      \
    CStr folder, int cabrilloExport, CStr ownCall, ODate start, ODate end, CStr, CStr, CStr, \
        CStr, CStr, CStr, CStr, CStr, CStr, CStr ownPrefix, int, int, int, double, double,   \
        CStr, CStr, CStr

#define STATS_QSO_ARGS                                                                        \
    CStr ownCall, CStr call, ODate qsoTime, ODate, ODate, ODate, unsigned, unsigned freqHz,   \
        CStr mode, CStr rstSent, CStr rstReceived, CStr exchSent, CStr exchReceived, CStr,   \
        CStr, CStr, CStr, CStr, CStr, CStr, CStr, CStr, CStr, int, int, int, double, double, \
        CStr, CStr, CStr, CStr band, CStr

#define STATS_CHECK_ARGS                                                                      \
    CStr call, unsigned, unsigned, CStr mode, CStr, CStr, CStr, CStr, CStr, CStr, CStr, CStr, \
        CStr, CStr prefix, int, int, int, double, double, CStr, CStr, CStr, CStr, CStr,       \
        CStr band, CStr secondBand, char*, char*

extern "C" {
STATS_EXPORT unsigned long STATS_CALL setVersion(CStr version);
STATS_EXPORT int STATS_CALL GetNumberOfSets(void);
STATS_EXPORT CStr STATS_CALL GetSetName(int index);
STATS_EXPORT int STATS_CALL ResetStats0(STATS_RESET_ARGS);
STATS_EXPORT int STATS_CALL AddData0(STATS_QSO_ARGS);
STATS_EXPORT int STATS_CALL RemoveData0(STATS_QSO_ARGS);
STATS_EXPORT int STATS_CALL CheckCall0(STATS_CHECK_ARGS);
STATS_EXPORT int STATS_CALL IsValidExchg0(CStr exchange, CStr, CStr, CStr, int, int, int);
STATS_EXPORT int STATS_CALL GetExchgCount0(CStr, CStr, CStr);
STATS_EXPORT CStr STATS_CALL GetResult0(int* out);
STATS_EXPORT void STATS_CALL SetupSet0(void);
}

// Pointer types for hosts that load the library by path.
using SetVersionFn = unsigned long(STATS_CALL*)(CStr);
using GetNumberOfSetsFn = int(STATS_CALL*)(void);
using GetSetNameFn = CStr(STATS_CALL*)(int);
using ResetStats0Fn = int(STATS_CALL*)(STATS_RESET_ARGS);
using QsoFn = int(STATS_CALL*)(STATS_QSO_ARGS);
using CheckCall0Fn = int(STATS_CALL*)(STATS_CHECK_ARGS);
using IsValidExchg0Fn = int(STATS_CALL*)(CStr, CStr, CStr, CStr, int, int, int);
using GetExchgCount0Fn = int(STATS_CALL*)(CStr, CStr, CStr);
using GetResult0Fn = CStr(STATS_CALL*)(int*);
using SetupSet0Fn = void(STATS_CALL*)(void);
