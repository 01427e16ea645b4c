#pragma once
// DXCC prefixes from a cty.dat country file (the format of Debian's
// hamradio-files): each entity is a line
//   Name:  CQ:  ITU:  Continent:  Lat:  Lon:  UTC offset:  Primary prefix:
// followed by its prefixes and exact calls (marked "="), separated by commas
// and ended by ";", each with optional overrides (cq) [itu] <lat/lon> {cont} ~tz~.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

struct CtyDatabase {
    std::map<std::string, std::string> exactCalls;  // call -> primary prefix
    std::map<std::string, std::string> prefixes;    // prefix -> primary prefix
    size_t longestPrefix = 0;
    size_t entities = 0;
};

class CtyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws CtyError naming the line of an entity header that does not have its
// eight fields. The primary prefix loses a leading "*" (entities that are not
// DXCC entities of their own, such as *TA1, keep their prefix text).
CtyDatabase ParseCtyDat(std::string_view text);

// The primary prefix of the call's entity: exact calls first, then the longest
// prefix. Portable forms are taken apart: F/DL1ABC looks up F, DL1ABC/P looks
// up DL1ABC. "" when nothing matches.
std::string DxccPrefix(const CtyDatabase& cty, std::string_view call);
