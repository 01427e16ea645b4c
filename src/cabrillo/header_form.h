#pragma once
// The Cabrillo header form's values and their way to and from the plug-in's
// settings file. The form itself (a modal dialog on Windows) is in
// header_form_dialog.h; this part is portable.
#include <array>
#include <string>

#include "platform/settings_file.h"

// One string per control of the form (dialog template 101), in the form's
// own terms: the soapbox holds real line breaks (CR LF), not their coding.
struct CabrilloFormValues {
    std::string contest;
    std::string callsign;
    std::string claimed;
    std::string categoryOperator;
    std::string categoryAssisted;
    std::string categoryBand;
    std::string categoryMode;
    std::string categoryPower;
    std::string categoryTransmitter;
    std::string name;
    std::string address;
    std::string addressCity;
    std::string addressPostalCode;
    std::string addressCountry;
    std::string operators;
    std::string club;
    std::string soapbox;
    std::string email;
    // Hidden controls.
    std::string addressState;
    std::string categoryStation;  // form only, never saved or written
    std::string categoryOverlay;  // form only, never saved or written
    std::string location;
};

// The items of the form's combo boxes, in the order they are added.
extern const std::array<const char*, 3> kOperatorCategories;
extern const std::array<const char*, 2> kAssistedCategories;
extern const std::array<const char*, 6> kBandCategories;
extern const std::array<const char*, 1> kModeCategories;
extern const std::array<const char*, 3> kPowerCategories;
extern const std::array<const char*, 3> kTransmitterCategories;
extern const std::array<const char*, 1> kStationCategories;
extern const std::array<const char*, 4> kOverlayCategories;
extern const std::array<const char*, 64> kArrlSections;

// Settings value of a text with line breaks: CR as "<CR>", LF as "<LF>"; and back.
std::string CodeLineBreaks(const std::string& text);
std::string DecodeLineBreaks(const std::string& coded);

// The values the form opens with: the header keys of the settings file (an
// absent "Operators" is the host's callsign; an empty one stays empty) and
// the fixed values that every form starts from.
CabrilloFormValues PrepareHeaderForm(const std::string& hostCall,
                                     const platform::SettingsFile& settings);

// Writes the confirmed values to the header keys; the soapbox coded on one line.
void SaveHeaderSettings(const CabrilloFormValues& values, const platform::SettingsFile& settings);
