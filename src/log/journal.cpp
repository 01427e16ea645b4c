#include "log/journal.h"

#include <charconv>

#include "platform/file_replace.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kRejectionMarkers[] = {"   WRONG BAND !!!", "   WRONG MODE !!!",
                                                  "   NO RX NUMBER !!!"};

void AppendField(std::string& line, std::string_view text) {
    line.append("  ");
    for (char c : text) line.push_back(c == '\r' || c == '\n' ? ' ' : c);
}

bool WriteWhole(const std::string& name, const std::string& bytes) {
    platform::TextFileWriter file(name, platform::TextFileWriter::Mode::truncate);
    if (!file.IsOpen()) return false;
    file.WriteRaw(bytes);
    return file.Close();
}

}  // namespace

std::string_view MarkerText(JournalMarker marker) {
    switch (marker) {
        case JournalMarker::wrongBand: return kRejectionMarkers[0];
        case JournalMarker::wrongMode: return kRejectionMarkers[1];
        case JournalMarker::noRxNumber: return kRejectionMarkers[2];
        case JournalMarker::dupe: break;
    }
    return "   DUPE !!!";
}

std::string JournalLine(const QsoArgs& qso, JournalMarker marker) {
    char kHz[16];
    const auto end = std::to_chars(kHz, kHz + sizeof kHz, qso.freqHz / 1000u).ptr;
    std::string line = "QSO:";
    AppendField(line, std::string_view(kHz, size_t(end - kHz)));
    AppendField(line, qso.mode);
    AppendField(line, qso.qsoTime.Format("%Y-%m-%d %H%M"));
    AppendField(line, qso.ownCall);
    AppendField(line, qso.rstSent);
    AppendField(line, qso.exchSent);
    AppendField(line, qso.call);
    AppendField(line, qso.rstReceived);
    AppendField(line, qso.exchReceived);
    line.append(MarkerText(marker));
    return line;
}

void AppendJournalLine(const std::string& journalName, const std::string& line) {
    if (journalName.empty()) return;
    platform::TextFileWriter journal(journalName, platform::TextFileWriter::Mode::append);
    journal.WriteLine(line);
}

bool RewriteJournal(const std::string& journalName, const std::vector<JournalEntry>& entries) {
    if (journalName.empty()) return false;
    std::string bytes = kRewrittenJournalHeader;
    bytes.append("\r\n");
    for (const JournalEntry& entry : entries) bytes.append(entry.line).append("\r\n");

    const std::string temporary = journalName + ".tmp";
    if (WriteWhole(temporary, bytes)) {
        if (platform::RenameOver(temporary, journalName)) return true;
        platform::RemoveFile(temporary);
        // The journal is held open without delete sharing: write it in place.
        return WriteWhole(journalName, bytes);
    }
    platform::RemoveFile(temporary);
    return false;
}

bool IsBadQsoLine(std::string_view line) {
    if (!line.starts_with("QSO:  ")) return false;
    for (std::string_view marker : kRejectionMarkers)
        if (line.ends_with(marker)) return true;
    return false;
}

int CountBadQsos(const std::string& journalName) {
    if (journalName.empty()) return 0;
    std::FILE* file = platform::OpenShared(journalName, "rb");
    if (!file) return 0;
    std::string bytes;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);

    // Lines end in LF, CR LF or at the end of the file.
    int count = 0;
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (IsBadQsoLine(line)) ++count;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return count;
}
