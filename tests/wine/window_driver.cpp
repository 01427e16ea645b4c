#include "wine/window_driver.h"
#include "support/own_dialog_win32.h"

HWND WaitForDialog(const char* caption, int timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindOwnDialog(caption)) return window;
        if (int(GetTickCount() - start) > timeoutMs) return nullptr;
        Sleep(10);
    }
}

bool WaitUntilGone(HWND window, int timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (int(GetTickCount() - start) > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

std::string WindowText(HWND window) {
    const int length = int(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(size_t(length) + 1, '\0');
    const int got = int(SendMessageA(window, WM_GETTEXT, WPARAM(length + 1),
                                     reinterpret_cast<LPARAM>(text.data())));
    text.resize(size_t(got > 0 ? got : 0));
    return text;
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void SetItemText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

RECT ControlRect(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT DialogUnitsRect(HWND dialog, int x, int y, int width, int height) {
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(dialog, &rect);
    return rect;
}

std::vector<std::string> ComboItems(HWND dialog, int id) {
    HWND combo = GetDlgItem(dialog, id);
    std::vector<std::string> items;
    const int count = int(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int length = int(SendMessageA(combo, CB_GETLBTEXTLEN, WPARAM(i), 0));
        std::string item(size_t(length) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(size_t(length));
        items.push_back(item);
    }
    return items;
}

void CloseLeftovers() {
    if (HWND form = WaitForDialog("ZOVA-RTTY", 0)) PressButton(form, IDCANCEL);
    if (HWND box = WaitForDialog("Output", 0)) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

OperatorThread::OperatorThread(std::function<void()> script)
    : thread_([script = std::move(script)] {
          script();
          CloseLeftovers();
      }) {}

OperatorThread::~OperatorThread() {
    if (thread_.joinable()) thread_.join();
}

OutputBoxCloser::OutputBoxCloser()
    : thread_([this] {
          while (!stop_) {
              if (HWND box = WaitForDialog("Output", 20)) {
                  texts_.push_back(MessageBoxText(box));
                  PostMessageA(box, WM_COMMAND, IDOK, 0);
                  WaitUntilGone(box, 5000);
              }
          }
      }) {}

OutputBoxCloser::~OutputBoxCloser() { Stop(); }

std::vector<std::string> OutputBoxCloser::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return texts_;
}
