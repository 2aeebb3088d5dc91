#pragma once
// The controller's live monitor records and where the window shows them. Pure code.
//
// A record is 38 characters: a 4-character tag ("CHDA" receiver channels, "MSDA" motor outputs,
// "SSDA" sensors), eight 4-character decimal fields, two closing characters that are not read.
// A record whose closing characters have not arrived yet is already complete for reading.

#include <array>
#include <string_view>
#include <vector>

namespace zorv {

enum class RecordKind { Channels, Motors, Sensors };

constexpr size_t kRecordSize = 38;
constexpr size_t kRecordReadable = 36;  // tag and fields: enough to read a record
constexpr size_t kRecordTagSize = 4;
constexpr size_t kRecordFieldCount = 8;
constexpr size_t kRecordFieldWidth = 4;

struct MonitorRecord {
  RecordKind kind;
  std::array<int, kRecordFieldCount> fields;
};

// The kind a tag names; false for any other text.
bool recordKindOf(std::string_view tag, RecordKind* kind);

// The record at the start of text, which must hold at least kRecordReadable characters and begin
// with a known tag. Each field reads like a typed number: blanks, a sign, digits up to the first
// non-digit, 0 without digits.
bool parseRecord(std::string_view text, MonitorRecord* record);

// Every readable record in gathered text, oldest first, and how much of the text they used up.
// The rest (from `keepFrom`) may still begin a record: an unfinished tagged record, or a few
// characters that could start a tag. Text before, between and after records that can never be
// part of a record is skipped, so a burst of records yields them all and noise is not kept.
struct GatheredRecords {
  std::vector<MonitorRecord> records;
  size_t keepFrom = 0;
};
GatheredRecords gatherRecords(std::string_view text);

// Where one reading is shown: MonitorReadings[reading] goes to the number box `control`.
struct ShownReading {
  int reading;
  int control;
};

// First MonitorReadings entry of a kind (0, 8, 16); the eight fields go to the next eight entries.
int firstReading(RecordKind kind);

// The boxes a record of this kind updates. Receiver channels 3 and 4 are shown crosswise (the
// controller sends them in that order); of the sensors only heading, sonar and height are shown.
const std::vector<ShownReading>& shownReadings(RecordKind kind);

}  // namespace zorv
