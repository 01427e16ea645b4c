#include "cabrillo/header_form.h"

#include "cabrillo/cabrillo_log.h"
#include "cabrillo/header_form_dialog.h"

const std::array<const char*, 3> kOperatorCategories = {"SINGLE-OP", "MULTI-OP", "CHECKLOG"};
const std::array<const char*, 2> kAssistedCategories = {"ASSISTED", "NON-ASSISTED"};
const std::array<const char*, 6> kBandCategories = {"ALL", "80M", "40M", "20M", "15M", "10M"};
const std::array<const char*, 1> kModeCategories = {"RTTY"};
const std::array<const char*, 3> kPowerCategories = {"HIGH", "LOW", "QRP"};
const std::array<const char*, 3> kTransmitterCategories = {"ONE", "TWO", "UNLIMITED"};
const std::array<const char*, 1> kStationCategories = {"FIXED"};
const std::array<const char*, 4> kOverlayCategories = {"MOABST-HP ", "SOAB-HP-12h", "SOAB-LP-12h",
                                                       "SOAB-QRP-12h"};
// DX, then 48 US states (no HI, no MD), then the Canadian sections.
const std::array<const char*, 64> kArrlSections = {
    "DX", "-/-", "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "ID",  "IL", "IN", "IA",
    "KS", "KY",  "LA", "ME", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH",  "NJ", "NM", "NY",
    "NC", "ND",  "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT",  "VA", "WA", "WV",
    "WI", "WY",  "NB", "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT", "PEI"};

std::string CodeLineBreaks(const std::string& text) {
    return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string DecodeLineBreaks(const std::string& coded) {
    return ReplaceAll(ReplaceAll(coded, "<CR>", "\r"), "<LF>", "\n");
}

CabrilloFormValues PrepareHeaderForm(const std::string& hostCall,
                                     const platform::SettingsFile& settings) {
    CabrilloFormValues values;
    values.callsign = hostCall;
    values.operators = settings.Read("Operators", hostCall);
    values.name = settings.Read("Name");
    values.address = settings.Read("Address");
    values.addressCity = settings.Read("Address-City");
    values.addressState = settings.Read("Address-State");
    values.addressPostalCode = settings.Read("Address-PostalCode");
    values.addressCountry = settings.Read("Address-Country");
    values.claimed = settings.Read("Claimed");

    // Fixed every time: the categories of one form are not offered by the next.
    values.contest = "ZOVA-RTTY ";
    values.categoryOperator = "SINGLE-OP";
    values.categoryBand = "ALL";
    values.categoryMode = "RTTY";
    values.categoryPower = "HIGH";
    values.categoryTransmitter = "ONE";
    values.categoryAssisted = "NON-ASSISTED";
    values.location = "DX";
    values.categoryStation = "FIXED";
    values.categoryOverlay.clear();

    values.email = settings.Read("Email");
    values.club = settings.Read("Club");
    values.soapbox = DecodeLineBreaks(settings.Read("SoapBox"));
    return values;
}

void SaveHeaderSettings(const CabrilloFormValues& values, const platform::SettingsFile& settings) {
    // A failed write loses the value silently; the export still uses what was typed.
    settings.Write("Operators", values.operators);
    settings.Write("Name", values.name);
    settings.Write("Address", values.address);
    settings.Write("Address-City", values.addressCity);
    settings.Write("Address-State", values.addressState);
    settings.Write("Address-PostalCode", values.addressPostalCode);
    settings.Write("Address-Country", values.addressCountry);
    settings.Write("Contest", values.contest);
    settings.Write("Email", values.email);
    settings.Write("Club", values.club);
    settings.Write("Location", values.location);
    // Coded before the settings layer sees it: that layer turns any line break
    // left in a value into a blank.
    settings.Write("SoapBox", CodeLineBreaks(values.soapbox));
}

void CCabrilloLog::TakeFormValues(const CabrilloFormValues& values) {
    callsign = values.callsign;
    name = values.name;
    address = values.address;
    claimed = values.claimed;
    contest = values.contest;
    email = values.email;
    club = values.club;
    soapbox = values.soapbox;
    operators = values.operators;
    categoryOperator = values.categoryOperator;
    categoryAssisted = values.categoryAssisted;
    categoryBand = values.categoryBand;
    categoryMode = values.categoryMode;
    categoryPower = values.categoryPower;
    categoryTransmitter = values.categoryTransmitter;
    addressCity = values.addressCity;
    addressState = values.addressState;
    addressPostalCode = values.addressPostalCode;
    addressCountry = values.addressCountry;
    location = values.location;
}

void CCabrilloLog::PrepareForOutput() {
    // The soapbox comes from the form with real line breaks: coded as in the
    // settings file, each "<CR>" then starts a continuation line.
    soapbox = ReplaceAll(ReplaceAll(CodeLineBreaks(soapbox), "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
    // The address is one line as typed; typed markers make continuation lines.
    address = ReplaceAll(ReplaceAll(address, "<CR>", "\r\nADDRESS: "), "<LF>", "");
    qsoLines.clear();
}

bool CCabrilloLog::EditCabrilloHeader(const char* hostCall, const platform::SettingsFile& settings) {
    const std::string call = hostCall ? hostCall : "";
    CabrilloFormValues values = PrepareHeaderForm(call, settings);
    TakeFormValues(values);
    // The file is named after the host's callsign, not the one edited in the form.
    fileBase = CabrilloFileBase(call);

    if (!RunHeaderForm(values)) return false;

    TakeFormValues(values);
    SaveHeaderSettings(values, settings);
    PrepareForOutput();
    return true;
}
