#include "monitor/record.h"

#include "core/text_number.h"

namespace zorv {

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

// First position i in [from, before) where a known tag starts, or kNone.
size_t findTag(std::string_view text, size_t from, size_t before) {
  if (text.size() < kRecordTagSize) return kNone;
  const size_t last = text.size() - kRecordTagSize;
  for (size_t i = from; i <= last && i < before; ++i) {
    // All three tags end in "DA"; test that first, it is what rules out most positions.
    if (text[i + 3] != 'A' || text[i + 2] != 'D') continue;
    RecordKind kind;
    if (recordKindOf(text.substr(i, kRecordTagSize), &kind)) return i;
  }
  return kNone;
}

// Whether a tag starts at i, or the text ends in the first characters of one there.
bool mayStartTag(std::string_view text, size_t i) {
  const std::string_view rest = text.substr(i, kRecordTagSize);
  for (std::string_view tag : {"CHDA", "MSDA", "SSDA"})
    if (tag.substr(0, rest.size()) == rest) return true;
  return false;
}

}  // namespace

bool recordKindOf(std::string_view tag, RecordKind* kind) {
  if (tag == "CHDA") {
    *kind = RecordKind::Channels;
  } else if (tag == "MSDA") {
    *kind = RecordKind::Motors;
  } else if (tag == "SSDA") {
    *kind = RecordKind::Sensors;
  } else {
    return false;
  }
  return true;
}

bool parseRecord(std::string_view text, MonitorRecord* record) {
  if (text.size() < kRecordReadable) return false;
  if (!recordKindOf(text.substr(0, kRecordTagSize), &record->kind)) return false;
  for (size_t f = 0; f < kRecordFieldCount; ++f)
    record->fields[f] = leadingInt(text.substr(kRecordTagSize + f * kRecordFieldWidth, kRecordFieldWidth));
  return true;
}

GatheredRecords gatherRecords(std::string_view text) {
  GatheredRecords out;
  size_t pos = 0;
  size_t usedUpTo = 0;
  for (;;) {
    const size_t at = findTag(text, pos, text.size());
    if (at == kNone) break;
    // Another tag inside this record's fields means bytes of it were lost: the record is cut
    // short and the one that follows is read instead.
    const size_t next = findTag(text, at + 1, at + kRecordReadable);
    if (next != kNone) {
      pos = next;
      continue;
    }
    if (text.size() - at < kRecordReadable) {
      out.keepFrom = at;  // unfinished: its remaining characters are still to come
      return out;
    }
    MonitorRecord r;
    parseRecord(text.substr(at), &r);
    out.records.push_back(r);
    // Its two closing characters go with it, unless the next record already starts there.
    usedUpTo = at + kRecordReadable;
    while (usedUpTo < text.size() && usedUpTo < at + kRecordSize && !mayStartTag(text, usedUpTo)) ++usedUpTo;
    pos = usedUpTo;
  }
  // No tag begins in the rest; only its last few characters could still grow into one.
  size_t from = text.size() >= kRecordTagSize - 1 ? text.size() - (kRecordTagSize - 1) : 0;
  if (from < usedUpTo) from = usedUpTo;
  while (from < text.size() && !mayStartTag(text, from)) ++from;
  out.keepFrom = from;
  return out;
}

int firstReading(RecordKind kind) {
  switch (kind) {
    case RecordKind::Channels: return 0;
    case RecordKind::Motors: return 8;
    case RecordKind::Sensors: return 16;
  }
  return 0;
}

const std::vector<ShownReading>& shownReadings(RecordKind kind) {
  static const std::vector<ShownReading> channels = {{0, 1102}, {1, 1103}, {3, 1104}, {2, 1105},
                                                     {4, 1106}, {5, 1107}, {6, 1108}, {7, 1109}};
  static const std::vector<ShownReading> motors = {{8, 1121},  {9, 1122},  {10, 1123}, {11, 1124},
                                                   {12, 1125}, {13, 1126}, {14, 1127}, {15, 1128}};
  static const std::vector<ShownReading> sensors = {{16, 1044}, {17, 1041}, {18, 1029}};
  switch (kind) {
    case RecordKind::Channels: return channels;
    case RecordKind::Motors: return motors;
    case RecordKind::Sensors: return sensors;
  }
  return channels;
}

}  // namespace zorv
