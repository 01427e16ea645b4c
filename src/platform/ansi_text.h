#pragma once
// The host's ANSI code page. On a double-byte code page (Japanese, Chinese,
// Korean Windows) a lead byte starts a two-byte character whose second byte
// can look like an ASCII character ("\", "|", ...); text searches must not
// match inside such a character.
namespace platform {

// Whether `c` starts a two-byte character in the ANSI code page (never on
// single-byte code pages, and never natively: text there is single-byte).
bool IsAnsiLeadByte(unsigned char c);

}  // namespace platform
