#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "device/protocol/printer_info.h"
#include "support/local_time.h"

namespace orvik::device {

// The register's configuration replies read into CPrinterInfo. Positions count the characters
// of the whole reply from 0, so data start after the four-letter tag at 4; whatever lies
// beyond the end of a reply reads as empty. Nothing here talks to a port.

// The characters [position, position + width) of a reply, cut at its end.
std::u16string_view ReplyField(std::u16string_view reply, std::size_t position, std::size_t width);

// A field read as a decimal number: leading blanks skipped, then the digits up to the first
// other character; no digits give 0. Values beyond 2147483647 read as 2147483647.
std::int32_t ReadNumber(std::u16string_view field);

// A date field YYYYMMDD as MM/DD/YY. A year read below 2000 is 2000 plus the number in
// characters 2-3. A date that cannot be read or that the calendar does not have becomes
// today's date.
std::u16string RewriteDate(std::u16string_view field, const support::LocalDateTime& now);

// A time field HHMMSS as HH:MM:SS; a time that cannot be read or that the clock does not have
// becomes the present time.
std::u16string RewriteTime(std::u16string_view field, const support::LocalDateTime& now);

// The key position letter for the register's code: "1", "2", "4", "8" (or the character codes
// 1 to 4) give R, X, Z, P; anything else O.
char16_t KeyPositionFromCode(std::u16string_view code);

// The "CONf"/"CONF" reply: identification, clock, key, software, currency and Z counters.
// Fields the reply does not reach are set empty (dates and times then become the present).
void ParseConfigurationReply(std::u16string_view reply, const support::LocalDateTime& now,
                             CPrinterInfo& info);

// The "CNAL" reply: eight tax records of 14 characters. A record that is missing or begins
// with "0" clears its slot, name included.
void ParseTaxRecords(std::u16string_view reply, const support::LocalDateTime& now,
                     CPrinterInfo& info);

// The "CNAM" reply: eight tax names of 19 characters, trimmed of white space.
void ParseTaxNames(std::u16string_view reply, CPrinterInfo& info);

// The "CRES" reply: four numbers of 10 digits into configCounters.
void ParseConfigCounters(std::u16string_view reply, CPrinterInfo& info);

// The "GLCN" answer, the reply without its tag. Any non-zero Z-report digit gives 1.
DocumentCounters ParseDocumentCounters(std::u16string_view answer);

// The device options answer ("1000" unless the register says otherwise): its first two
// characters become the option digits when it is longer than two characters.
void ApplyDeviceOptions(std::u16string_view answer, CPrinterInfo& info);

}  // namespace orvik::device
