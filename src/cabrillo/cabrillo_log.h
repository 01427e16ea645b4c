#pragma once
// The Cabrillo store: header values, the output file's base name and the
// formatted QSO lines, and the writer of the Cabrillo 3.0 file.
#include <string>
#include <vector>

#include "platform/ole_date.h"
#include "platform/settings_file.h"

// The source with every occurrence of `search` replaced by `replacement`;
// an inserted replacement is never searched again.
std::string ReplaceAll(const std::string& source, const char* search, const char* replacement);

class CCabrilloLog {
public:
    std::string callsign;
    std::string name;
    std::string address;
    std::string claimed;
    std::string contest;
    std::string email;
    std::string club;
    std::string soapbox;
    std::string operators;
    std::string categoryOperator;
    std::string categoryAssisted;
    std::string categoryBand;
    std::string categoryMode;
    std::string categoryPower;
    std::string categoryTransmitter;
    std::string addressCity;
    std::string addressState;
    std::string addressPostalCode;
    std::string addressCountry;
    std::string location;
    std::string fileBase;
    std::vector<std::string> qsoLines;

    // Prepares the header from the settings, shows the header form and, when
    // it is confirmed, saves it back. Returns false when it was cancelled
    // (or could not be shown). Runs on the host's thread without the state lock.
    bool EditCabrilloHeader(const char* hostCall, const platform::SettingsFile& settings);

    void AddQsoLine(const std::string& call, int freqKHz, const std::string& mode,
                    const COleDateTime& qsoTime, const std::string& rstSent,
                    const std::string& exchSent, const std::string& rstReceived,
                    const std::string& exchReceived);

    // Writes fileBase + ".cbr" and returns the report for the operator.
    std::string WriteCabrilloFile(long long claimedScore, const std::string& hostVersion);
};
