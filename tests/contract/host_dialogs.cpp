#include "contract/host_dialogs.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include "support/own_dialog_win32.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace {

std::mutex gReportsLock;
std::vector<std::string> gReports;

class HostDialogs : public ::testing::Environment {
public:
    void SetUp() override {
        stop_ = false;
        thread_ = std::thread([this] {
            while (!stop_) {
                if (HWND form = FindOwnDialog("ZOVA-RTTY")) {
                    PostMessageA(form, WM_COMMAND, IDOK, 0);
                    while (!stop_ && IsWindow(form)) Sleep(10);
                }
                if (HWND box = FindOwnDialog("Output")) {
                    {
                        std::lock_guard<std::mutex> guard(gReportsLock);
                        gReports.push_back(MessageBoxText(box));
                    }
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
                    while (!stop_ && IsWindow(box)) Sleep(10);
                }
                Sleep(20);
            }
        });
    }
    void TearDown() override {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new HostDialogs);

}  // namespace

std::vector<std::string> TakeOutputReports() {
    std::lock_guard<std::mutex> guard(gReportsLock);
    std::vector<std::string> reports;
    reports.swap(gReports);
    return reports;
}

#else

std::vector<std::string> TakeOutputReports() { return {}; }

#endif
