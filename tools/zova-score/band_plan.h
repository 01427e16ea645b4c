#pragma once
// Amateur bands as the host names them ("160m" ... "70cm"), from a log's band
// text or from a frequency.
#include <optional>
#include <string>
#include <string_view>

// The band of a frequency in Hz by the ADIF band table, "" outside every band.
std::string BandFromFrequency(unsigned long long hz);

// A log's band text in the host's spelling: trimmed and lower case ("20M" -> "20m").
std::string NormalizeBand(std::string_view band);

// A decimal frequency in MHz ("14.0855") in whole Hz, digits only (no binary
// rounding); nothing when the text is not a plain decimal number or does not
// fit an unsigned 32-bit count of Hz.
std::optional<unsigned> ParseMegahertz(std::string_view text);
