#pragma once
// Drives the plug-in's windows from a second thread of the test program, as
// an operator would: find a window of this process by caption, read and type
// into its controls, press its buttons. Every wait has a timeout.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "support/own_dialog_win32.h"  // FindOwnDialog, MessageBoxText

// A visible dialog (class #32770) of this process with this caption, or
// nullptr when none appeared within `timeoutMs`.
HWND WaitForDialog(const char* caption, int timeoutMs = 15000);
// true when the window is gone within `timeoutMs`.
bool WaitUntilGone(HWND window, int timeoutMs = 15000);

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);

// Types a whole value into a control (as WM_SETTEXT does).
void SetItemText(HWND dialog, int id, const std::string& text);
// Presses a dialog button: the same WM_COMMAND the button sends.
void PressButton(HWND dialog, int id);

// A control's rectangle in the dialog's client coordinates, and the same for
// a rectangle in dialog units.
RECT ControlRect(HWND dialog, int id);
RECT DialogUnitsRect(HWND dialog, int x, int y, int width, int height);

// The combo box's list items in order.
std::vector<std::string> ComboItems(HWND dialog, int id);

// Runs `script` on its own thread; the destructor joins it. `cleanup` runs
// afterwards on the same thread whatever the script did (closes what is left
// open, so the main thread is never left inside a modal window).
class OperatorThread {
public:
    explicit OperatorThread(std::function<void()> script);
    ~OperatorThread();
    OperatorThread(const OperatorThread&) = delete;
    OperatorThread& operator=(const OperatorThread&) = delete;

private:
    std::thread thread_;
};

// Closes every "Output" box that appears until it is stopped, keeping the texts.
class OutputBoxCloser {
public:
    OutputBoxCloser();
    ~OutputBoxCloser();
    std::vector<std::string> Stop();  // stops and returns the texts seen

private:
    std::atomic<bool> stop_{false};
    std::vector<std::string> texts_;
    std::thread thread_;
};

// Closes the header form (cancel) and any "Output" box left open.
void CloseLeftovers();
