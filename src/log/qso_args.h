#pragma once
// One QSO as AddData0 and RemoveData0 receive it from the host (null texts
// already read as empty, a null date as a null date). The texts are the
// host's and live only for the call: whatever is kept is copied.
#include <string_view>

#include "platform/ole_date.h"

struct QsoArgs {
    std::string_view ownCall;
    std::string_view call;
    COleDateTime qsoTime;
    unsigned freqHz = 0;
    std::string_view mode;
    std::string_view rstSent;
    std::string_view rstReceived;
    std::string_view exchSent;
    std::string_view exchReceived;
    std::string_view band;
};
