// Opens the Cabrillo header form of Stats.dll with sample values and closes
// it (cancelled) after the given number of seconds: for screenshots.
// Usage: show_cabrillo_form [seconds]
#include <cstdlib>

#include "host_calls.h"
#include "support/temp_dir.h"
#include "wine/window_driver.h"

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string pluginPath = DefaultPluginPath(program);

    ScopedWorkDir dir;
    WriteFileBytes("Plugins/ZOVA-RTTY.ini",
                   "[Settings]\r\nOperators=DL1ABC DL2XYZ\r\nName=Hans Muster\r\n"
                   "Address=Hauptstr. 1\r\nAddress-City=Bonn\r\nAddress-PostalCode=53111\r\n"
                   "Address-Country=Germany\r\nClaimed=1234\r\nEmail=dl1abc@example.org\r\n"
                   "Club=RTTY Contest Club\r\nSoapBox=Great contest!<CR><LF>73 Hans\r\n");
    PluginLibrary plugin(pluginPath);
    OperatorThread op([seconds] {
        if (HWND form = WaitForDialog("ZOVA-RTTY")) {
            Sleep(DWORD(seconds) * 1000);
            PressButton(form, IDCANCEL);
        }
    });
    HostReset reset;
    reset.folder = dir.path().string() + "\\";
    reset.cabrilloExport = 1;
    reset.ownCall = "DL1ABC";
    reset.start = COleDateTime::FromParts(2021, 3, 6, 0, 0, 0);
    reset.end = COleDateTime::FromParts(2021, 3, 7, 23, 59, 0);
    CallReset(plugin, reset);
    return 0;
}
