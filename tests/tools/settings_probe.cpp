// Runs one table of settings-file cases through the platform's profile
// functions and prints a transcript: every read's text, every write's outcome
// and the file's bytes afterwards. Built for both targets: on Windows (Wine)
// the functions are the system's GetPrivateProfileStringA and
// WritePrivateProfileStringA, natively our own implementation. The two
// transcripts must be identical (compare_settings.sh).
//
// Each case runs in a fresh folder "case_N" (with a Plugins folder) below the
// current directory, which becomes the current directory for the case: file
// names are relative and use "\" as the plug-in's names do (a relative name
// with "\" resolves against the current directory on Windows too).
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/settings_file.h"
#include "platform/text_file.h"

namespace {

const char kFile[] = "Plugins\\ZOVA-RTTY.ini";

struct Step {
    enum Kind { read, write } kind;
    const char* file;
    const char* section;
    const char* key;
    std::string text;  // the value written, or the default of a read
};

struct Case {
    const char* name;
    std::optional<std::string> initial;  // the file's bytes before the case; nullopt: no file
    std::vector<Step> steps;
};

Step Read(const char* section, const char* key, std::string defaultValue = {},
          const char* file = kFile) {
    return {Step::read, file, section, key, std::move(defaultValue)};
}
Step Write(const char* section, const char* key, std::string value, const char* file = kFile) {
    return {Step::write, file, section, key, std::move(value)};
}

// 150 distinct-looking characters, so a cut shows where it happened.
std::string LongValue() {
    std::string text;
    for (int i = 0; i < 150; ++i) text += char('0' + i % 10 + (i / 10 % 2) * ('a' - '0'));
    return text;
}

std::vector<Case> Cases() {
    return {
        {"absent key, section and file",
         "[Settings]\r\nStart=1\r\n",
         {Read("Settings", "Name"), Read("Settings", "Name", "dflt"),
          Read("Settings", "Name", "dflt  "), Read("Settings", "Name", "  dflt"),
          Read("Settings", "Name", "dflt\t \t"),
          Read("Other", "Start", "d"), Read("Settings", "Start", "d", "Plugins\\none.ini"),
          Read("Settings", "Start", "d", "NoFolder\\none.ini")}},
        {"empty and blank values",
         "[Settings]\r\nName=\r\nBlank=   \r\nTab=\t\r\n",
         {Read("Settings", "Name", "d"), Read("Settings", "Blank", "d"),
          Read("Settings", "Tab", "d")}},
        {"150-character value is cut to 99 on reading",
         "[Settings]\r\nAddress=" + LongValue() + "\r\n",
         {Read("Settings", "Address"), Write("Settings", "SoapBox", LongValue()),
          Read("Settings", "SoapBox")}},
        {"section and key names ignore letter case",
         "[settings]\r\nSTART=1\r\n",
         {Read("Settings", "Start"), Read("SETTINGS", "start"), Write("SETTINGS", "Start", "0"),
          Read("settings", "START"), Write("Settings", "name", "x")}},
        {"blanks around names and values",
         "[ Settings ]\r\n  Name  =  Hans Meier  \r\nTabbed\t=\tx y\t\r\nInner=a  b\r\n",
         {Read("Settings", "Name"), Read("Settings", "Tabbed"), Read("Settings", "Inner"),
          Read(" Settings ", " Name "), Write(" Settings ", " Inner ", "c d")}},
        {"quotes around values",
         "[Settings]\r\nQ1=\"  x  \"\r\nQ2='y'\r\nQ3=\"open\r\nQ4=\"a\"b\r\nQ5=\"\"\r\nQ6=\"\r\n"
         "Q7='mixed\"\r\nQ8= \" padded \" \r\nQ9=in\"side\"\r\n",
         {Read("Settings", "Q1"), Read("Settings", "Q2"), Read("Settings", "Q3"),
          Read("Settings", "Q4"), Read("Settings", "Q5", "d"), Read("Settings", "Q6", "d"),
          Read("Settings", "Q7"), Read("Settings", "Q8"), Read("Settings", "Q9")}},
        {"other sections and keys are kept",
         "[Other]\r\na=1\r\n\r\n[Settings]\r\nStart=1\r\n\r\n[Third]\r\nb=2\r\n",
         {Write("Settings", "Name", "Anna"), Write("Settings", "Start", "0"),
          Write("New", "k", "v"), Read("Other", "a"), Read("Third", "b"), Read("Settings", "Name")}},
        {"file created on first write",
         std::nullopt,
         {Read("Settings", "Start", "d"), Write("Settings", "Start", "1"),
          Write("Settings", "Name", "x y"), Read("Settings", "Start"), Read("Settings", "Name")}},
        {"missing folder: the write fails and creates nothing",
         std::nullopt,
         {Write("Settings", "Start", "1", "NoFolder\\ZOVA-RTTY.ini"),
          Read("Settings", "Start", "d", "NoFolder\\ZOVA-RTTY.ini")}},
        {"replacing an existing key",
         "[Settings]\r\nStart = 1 \r\nName=A\r\nClaimed=10\r\n",
         {Write("Settings", "Start", "0"), Write("Settings", "Claimed", "1234"),
          Read("Settings", "Start"), Read("Settings", "Claimed"), Read("Settings", "Name")}},
        {"written values lose their blanks",
         std::nullopt,
         {Write("Settings", "Name", "  spaced  "), Read("Settings", "Name"),
          Write("Settings", "Empty", ""), Read("Settings", "Empty", "d")}},
        {"bare LF line ends and no final line end",
         "[Settings]\nStart=1\nName=B",
         {Read("Settings", "Start"), Read("Settings", "Name"), Write("Settings", "Claimed", "5"),
          Read("Settings", "Name")}},
        {"repeated keys and sections: the first wins",
         "[Settings]\r\nK=1\r\nK=2\r\n[Other]\r\nK=9\r\n[Settings]\r\nK=3\r\nJ=4\r\n",
         {Read("Settings", "K"), Read("Settings", "J", "d"), Write("Settings", "K", "5"),
          Read("Settings", "K")}},
        {"comments, lines without '=' and '=' inside a value",
         "[Settings]\r\n;Start=1\r\nnoequals\r\n# note\r\nStart=2\r\nUrl=a=b\r\n",
         {Read("Settings", "Start"), Read("Settings", ";Start", "d"),
          Read("Settings", "noequals", "d"), Read("Settings", "Url"), Write("Settings", "Url", "c"),
          Write("Settings", "noequals", "1")}},
        {"lines before the first section and a broken section header",
         "top=1\r\n\r\n[Settings\r\nA=1\r\n[Settings] trailing\r\nB=2\r\n",
         {Read("Settings", "A", "d"), Read("Settings", "B", "d"), Read("", "top", "d"),
          Write("Settings", "C", "3")}},
        {"the same file named with a leading .\\",
         std::nullopt,
         {Write("Settings", "Start", "1"), Read("Settings", "Start", "d", ".\\Plugins\\ZOVA-RTTY.ini"),
          Write("Settings", "Start", "0", ".\\Plugins\\ZOVA-RTTY.ini"), Read("Settings", "Start")}},
    };
}

// Bytes shown so that line ends, blanks and tabs are visible.
std::string Visible(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        if (c == '\r') text += "\\r";
        else if (c == '\n') text += "\\n";
        else if (c == '\t') text += "\\t";
        else if (c == '\\') text += "\\\\";
        else if (c < 0x20 || c >= 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            text += hex;
        } else text += char(c);
    }
    return text;
}

bool ReadBytes(const char* name, std::string& bytes) {
    std::FILE* file = platform::OpenShared(name, "rb");
    if (!file) return false;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
    return true;
}

void WriteBytes(const char* name, const std::string& bytes) {
    std::FILE* file = platform::OpenShared(name, "wb");
    if (!file) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path root = fs::current_path();
    const std::vector<Case> cases = Cases();
    for (size_t n = 0; n < cases.size(); ++n) {
        const Case& c = cases[n];
        const fs::path folder = root / ("case_" + std::to_string(n));
        fs::create_directories(folder / "Plugins");
        fs::current_path(folder);
        if (c.initial) WriteBytes(kFile, *c.initial);

        std::printf("case %zu: %s\n", n, c.name);
        for (const Step& step : c.steps) {
            if (step.kind == Step::read) {
                const std::string value =
                    platform::ReadProfileString(step.file, step.section, step.key, step.text);
                std::printf("  read  %s [%s] %s (default \"%s\") -> \"%s\"\n", Visible(step.file).c_str(),
                            step.section, step.key, Visible(step.text).c_str(),
                            Visible(value).c_str());
            } else {
                const bool ok =
                    platform::WriteProfileString(step.file, step.section, step.key, step.text);
                std::printf("  write %s [%s] %s = \"%s\" -> %s\n", Visible(step.file).c_str(),
                            step.section, step.key, Visible(step.text).c_str(),
                            ok ? "ok" : "failed");
            }
        }
        for (const char* name : {kFile, "NoFolder\\ZOVA-RTTY.ini"}) {
            std::string bytes;
            if (ReadBytes(name, bytes))
                std::printf("  file %s: \"%s\"\n", Visible(name).c_str(), Visible(bytes).c_str());
            else
                std::printf("  file %s: absent\n", Visible(name).c_str());
        }
        fs::current_path(root);
    }
    return 0;
}
