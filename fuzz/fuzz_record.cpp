// The monitor record parser: gatherRecords on any gathered text, parseRecord at every place.
//
// What gatherRecords keeps is less than one readable record and holds nothing readable itself;
// each record it returns is the parse of a record that stands in the text; the text it keeps,
// gathered again, yields nothing and is kept whole or cut from its front only.

#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "monitor/record.h"

namespace {

using zorv::GatheredRecords;
using zorv::MonitorRecord;
using zorv::RecordKind;

bool sameRecord(const MonitorRecord& a, const MonitorRecord& b) { return a.kind == b.kind && a.fields == b.fields; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const GatheredRecords g = zorv::gatherRecords(text);
  ZORV_FUZZ_CHECK(g.keepFrom <= text.size());
  ZORV_FUZZ_CHECK(text.size() - g.keepFrom < zorv::kRecordReadable);
  // Records take at least 36 characters each.
  ZORV_FUZZ_CHECK(g.records.size() * zorv::kRecordReadable <= text.size());

  // Every record returned is one parseRecord finds at some tag, in order.
  size_t from = 0;
  for (const MonitorRecord& r : g.records) {
    bool found = false;
    for (size_t at = from; at + zorv::kRecordReadable <= text.size(); ++at) {
      MonitorRecord here;
      if (zorv::parseRecord(text.substr(at), &here) && sameRecord(here, r)) {
        from = at + zorv::kRecordTagSize;
        found = true;
        break;
      }
    }
    ZORV_FUZZ_CHECK(found);
    ZORV_FUZZ_CHECK(zorv::firstReading(r.kind) + static_cast<int>(zorv::kRecordFieldCount) <= 24);
    for (const zorv::ShownReading& s : zorv::shownReadings(r.kind)) {
      ZORV_FUZZ_CHECK(s.reading >= zorv::firstReading(r.kind));
      ZORV_FUZZ_CHECK(s.reading < zorv::firstReading(r.kind) + static_cast<int>(zorv::kRecordFieldCount));
    }
  }

  // The kept rest holds no readable record yet.
  const std::string_view rest = text.substr(g.keepFrom);
  const GatheredRecords again = zorv::gatherRecords(rest);
  ZORV_FUZZ_CHECK(again.records.empty());

  // parseRecord at every position: a record only where a known tag starts 36 readable characters.
  for (size_t at = 0; at < text.size() && at < 256; ++at) {
    MonitorRecord r;
    const bool ok = zorv::parseRecord(text.substr(at), &r);
    RecordKind kind;
    const bool tagged = zorv::recordKindOf(text.substr(at, zorv::kRecordTagSize), &kind);
    ZORV_FUZZ_CHECK(ok == (tagged && text.size() - at >= zorv::kRecordReadable));
    if (ok) ZORV_FUZZ_CHECK(r.kind == kind);
  }
  return 0;
}
