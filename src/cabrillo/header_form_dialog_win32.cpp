#include <windows.h>

#include <string>
#include <vector>

#include "resource.h"
#include "cabrillo/header_form_dialog.h"

namespace {

struct EditBinding {
    int id;
    std::string CabrilloFormValues::*value;
};

struct ComboBinding {
    int id;
    std::string CabrilloFormValues::*value;
    const char* const* items;
    size_t count;
};

template <size_t N>
ComboBinding Combo(int id, std::string CabrilloFormValues::*value,
                   const std::array<const char*, N>& items) {
    return {id, value, items.data(), N};
}

const EditBinding kEdits[] = {
    {IDC_CAB_CONTEST, &CabrilloFormValues::contest},
    {IDC_CAB_CALLSIGN, &CabrilloFormValues::callsign},
    {IDC_CAB_CLAIMED, &CabrilloFormValues::claimed},
    {IDC_CAB_NAME, &CabrilloFormValues::name},
    {IDC_CAB_ADDRESS, &CabrilloFormValues::address},
    {IDC_CAB_ADDRESS_CITY, &CabrilloFormValues::addressCity},
    {IDC_CAB_ADDRESS_POSTALCODE, &CabrilloFormValues::addressPostalCode},
    {IDC_CAB_ADDRESS_STATE, &CabrilloFormValues::addressState},
    {IDC_CAB_ADDRESS_COUNTRY, &CabrilloFormValues::addressCountry},
    {IDC_CAB_OPERATORS, &CabrilloFormValues::operators},
    {IDC_CAB_CLUB, &CabrilloFormValues::club},
    {IDC_CAB_SOAPBOX, &CabrilloFormValues::soapbox},
    {IDC_CAB_EMAIL, &CabrilloFormValues::email},
};

const std::vector<ComboBinding>& Combos() {
    static const std::vector<ComboBinding> combos = {
        Combo(IDC_CAB_CATEGORY_OPERATOR, &CabrilloFormValues::categoryOperator, kOperatorCategories),
        Combo(IDC_CAB_CATEGORY_ASSISTED, &CabrilloFormValues::categoryAssisted, kAssistedCategories),
        Combo(IDC_CAB_CATEGORY_BAND, &CabrilloFormValues::categoryBand, kBandCategories),
        Combo(IDC_CAB_CATEGORY_MODE, &CabrilloFormValues::categoryMode, kModeCategories),
        Combo(IDC_CAB_CATEGORY_POWER, &CabrilloFormValues::categoryPower, kPowerCategories),
        Combo(IDC_CAB_CATEGORY_TRANSMITTER, &CabrilloFormValues::categoryTransmitter,
              kTransmitterCategories),
        Combo(IDC_CAB_CATEGORY_STATION, &CabrilloFormValues::categoryStation, kStationCategories),
        Combo(IDC_CAB_CATEGORY_OVERLAY, &CabrilloFormValues::categoryOverlay, kOverlayCategories),
        Combo(IDC_CAB_ARRL_SECTION, &CabrilloFormValues::location, kArrlSections),
    };
    return combos;
}

// The whole text of a control, however long (no fixed buffer cuts it).
std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return {};
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) return {};
    std::string text(size_t(length) + 1, '\0');
    const int got = GetWindowTextA(control, text.data(), length + 1);
    text.resize(size_t(got > 0 ? got : 0));
    return text;
}

void ShowValues(HWND dialog, const CabrilloFormValues& values) {
    for (const EditBinding& edit : kEdits)
        SetDlgItemTextA(dialog, edit.id, (values.*edit.value).c_str());
    for (const ComboBinding& combo : Combos()) {
        HWND box = GetDlgItem(dialog, combo.id);
        for (size_t i = 0; i < combo.count; ++i)
            SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(combo.items[i]));
        // The first item that begins with the value (any letter case), else the
        // value itself. An empty value selects nothing: the field stays empty
        // (the overlay category starts empty).
        const std::string& value = values.*combo.value;
        const LRESULT found =
            value.empty() ? CB_ERR
                          : SendMessageA(box, CB_FINDSTRING, WPARAM(-1),
                                         reinterpret_cast<LPARAM>(value.c_str()));
        if (found != CB_ERR)
            SendMessageA(box, CB_SETCURSEL, WPARAM(found), 0);
        else
            SetWindowTextA(box, value.c_str());
    }
}

void ReadValues(HWND dialog, CabrilloFormValues& values) {
    for (const EditBinding& edit : kEdits) values.*edit.value = ControlText(dialog, edit.id);
    for (const ComboBinding& combo : Combos()) values.*combo.value = ControlText(dialog, combo.id);
}

INT_PTR CALLBACK FormProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        ShowValues(dialog, *reinterpret_cast<CabrilloFormValues*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            auto* values = reinterpret_cast<CabrilloFormValues*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (values) ReadValues(dialog, *values);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// The form's template lives in Stats.dll's resources, not in the host's module.
HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&FormProc), &module);
    return module;
}

}  // namespace

bool RunHeaderForm(CabrilloFormValues& values) {
    // Edited on a copy: a cancelled form leaves the caller's values as they were.
    CabrilloFormValues edited = values;
    const INT_PTR result = DialogBoxParamA(ThisModule(), MAKEINTRESOURCEA(IDD_CABRILLO), nullptr,
                                           FormProc, reinterpret_cast<LPARAM>(&edited));
    if (result != IDOK) return false;  // cancelled, or the form could not be created (-1)
    values = std::move(edited);
    return true;
}
