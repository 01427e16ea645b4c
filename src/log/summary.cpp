#include "log/summary.h"

#include <charconv>

namespace {

std::string Num(long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

// "%5i": right-aligned in five characters.
std::string Num5(long long value) {
    std::string text = Num(value);
    return text.size() >= 5 ? text : std::string(5 - text.size(), ' ') + text;
}

void AppendHtmlBandRow(std::string& out, const BandScore& row) {
    out += "<tr><th><center>" + HtmlEscape(row.band) + "</center></th><td><center>" +
           Num(row.qsos) + "</center></td><td><center>" + Num(row.points) +
           "</center></td><td><center>" + Num(row.mults) + "</center></td></tr>";
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out.push_back(c);
        }
    }
    return out;
}

std::string PlainSummary(const ScoreSheet& sheet, const SummaryHeading& heading) {
    std::string out = "  ZOVA WW RTTY Contest " + heading.periodStart + "-" + heading.periodEnd +
                      " \r\n     Contestant: " + heading.ownCall +
                      "\r\nBand\tQSOs\tPoints\tMult\r\n";
    for (const BandScore& row : sheet.bands)
        out += row.band + "\t " + Num(row.qsos) + "\t  " + Num(row.points) + "\t  " +
               Num(row.mults) + "\r\n";
    const BandScore& total = sheet.total;
    out += "Total\t " + Num(total.qsos) + "\t  " + Num(total.points) + "\t    " + Num(total.mults) +
           "\r\nDupe\t " + Num(total.dupes) + "\r\nBad QSO\t " + Num(heading.badQsos) +
           "\r\n\r\nScore = " + Num(total.points) + " * " + Num(total.mults) + "  = " +
           Num(sheet.score) + " \r\n\n\r\n";
    out += kSummaryCredit;
    return out;
}

std::string HtmlSummary(const ScoreSheet& sheet, const SummaryHeading& heading) {
    const std::string title =
        "   ZOVA WW RTTY Contest " + heading.periodStart + "-" + heading.periodEnd;
    std::string out =
        "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
        "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
        "background-color: #fffac6; color: black; }</style></head><body>";
    out += "<center><b>" + HtmlEscape(title) + "</b></center><center>Contestant:  <b>" +
           HtmlEscape(heading.ownCall) + "</center></b><table>";
    out += "<tr><th>Band</th><th>QSOs</th><th>Points</th><th>Mult</th></tr>";
    for (const BandScore& row : sheet.bands) AppendHtmlBandRow(out, row);
    AppendHtmlBandRow(out, sheet.total);
    out += "<tr><th><center>Dupe</center></th><td><center>" + Num(sheet.total.dupes) +
           "</center></td><td colspan=7> </td></tr>";
    out += "<tr><th><center>Bad QSO</center></th><td><center>" + Num(heading.badQsos) +
           "</center></td><td colspan=7> </td></tr>";
    out += "<tr><th>Score:</th><td colspan=8><center>" + Num(sheet.total.points) + " * " +
           Num(sheet.total.mults) + "  = " + Num(sheet.score) + "</center></td></tr>";
    out += "<tr><th>Last QSO points:</th><td colspan=5><center>" + Num5(sheet.lastQsoPoints) +
           "</center> </td></tr>";
    out += "<th colspan=6><center>Rate</center></th></tr>";
    out += "<tr><th>Hourly (10min/1 hour) QSO rate:</th><td colspan=6><center>" +
           Num5(sheet.qsos60) + " /" + Num(6LL * sheet.qsos10) + "</center></td></tr>";
    out += "<tr><th>Hourly (10min/1 hour) pts rate:</th><td colspan=6><center>" +
           Num5(sheet.points60) + " /" + Num(6LL * sheet.points10) + "</center></td></tr>";
    out += "</table><h6 align=right>";
    out += kSummaryCredit;
    out += "</h6></body></html>";
    return out;
}
