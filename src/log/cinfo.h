#pragma once
// One stored QSO.
#include <string>

#include "platform/ole_date.h"

struct CInfo {
    std::string call;
    std::string band;
    std::string mode;
    std::string rstReceived;
    std::string rstSent;
    std::string exchReceived;
    std::string exchSent;
    std::string multKey;  // a second copy of the received exchange: multipliers count by it
    int freqKHz = 0;
    int isDupe = 0;
    int dupeCount = 0;
    COleDateTime qsoTime;
};
