#pragma once
// The Cabrillo store: header values, the output file's base name and the
// formatted QSO lines, and the writer of the Cabrillo 3.0 file.
#include <string>
#include <vector>

#include "platform/ole_date.h"
#include "platform/settings_file.h"

struct CabrilloFormValues;

// The source with every occurrence of `search` replaced by `replacement`;
// an inserted replacement is never searched again. Text is in the ANSI code
// page: no match starts inside a double-byte character.
std::string ReplaceAll(const std::string& source, const char* search, const char* replacement);
// The same with the code page's lead bytes given.
std::string ReplaceAll(const std::string& source, const char* search, const char* replacement,
                       bool (*isLeadByte)(unsigned char));

// The Cabrillo file's name without ".cbr", from the host's callsign: "/" and
// "\" and every other character Windows forbids in a file name become "_",
// blanks around it are dropped, an empty name is "VASK", and a reserved device
// name (CON, NUL, COM1, ...) gets a "_" so the file can only ever be a plain
// file in the current directory.
std::string CabrilloFileBase(const std::string& hostCall);

// A value that goes into one line of the file: control characters become
// blanks, so no value can start a line of its own.
std::string OneLineValue(const std::string& value);

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
    // it is confirmed, saves it back and prepares the store for writing.
    // Returns false when it was cancelled (or could not be shown). Runs on the
    // host's thread without the state lock: it blocks while the form is open.
    bool EditCabrilloHeader(const char* hostCall, const platform::SettingsFile& settings);

    // The store's header fields from / into the form's values.
    void TakeFormValues(const CabrilloFormValues& values);
    // After a confirmation: ADDRESS and SOAPBOX continuation lines, empty QSO lines.
    void PrepareForOutput();

    // Appends one formatted QSO line; only mode "RY" adds a line.
    void AddQsoLine(const std::string& call, int freqKHz, const std::string& mode,
                    const COleDateTime& qsoTime, const std::string& rstSent,
                    const std::string& exchSent, const std::string& rstReceived,
                    const std::string& exchReceived);

    // The whole file as it is written (header, QSO lines, end), CR LF only.
    std::string FileText(long long claimedScore, const std::string& hostVersion) const;

    // Writes fileBase + ".cbr", empties qsoLines and returns the report for the
    // operator: "File produced: NAME.cbr", or which file could not be created
    // or written and why.
    std::string WriteCabrilloFile(long long claimedScore, const std::string& hostVersion);
};
