#include "files/settings_compare.h"

#include "core/control_layout.h"
#include "core/param_catalogue.h"
#include "files/snapshot_texts.h"

namespace zorv {

namespace {

constexpr int kFirstCell = 15, kLastCell = 18;
constexpr int kFirstCheckBox = 19;
constexpr int kFirstMatrix = 43;
constexpr const char* kMatrixColumns[] = {"CH5 L", "CH5 M", "CH5 H", "CH6 L", "CH6 M", "CH6 H", "CH7 L", "CH7 H"};

std::string captionOf(int id) {
  const ControlRow* c = findControl(id);
  return c && c->caption ? c->caption : "";
}

const ListParam* listByIndex(int index) {
  for (const ListParam& p : listParams())
    if (p.index == index) return &p;
  return nullptr;
}

std::string trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

std::string settingCaption(int index) {
  if (const ListParam* p = listByIndex(index)) {
    const ControlRow* combo = findControl(p->combo);
    return combo ? captionOf(combo->buddy) : "";
  }
  if (const SliderParam* p = sliderByIndex(index)) return p->caption;
  if (index >= kFirstCell && index <= kLastCell) return cellCaption(index - kFirstCell);
  if (index >= kFirstMatrix && index < kParamCount) {
    const int at = index - kFirstMatrix;
    return std::string(matrixRowCaption(at / 8)) + " " + kMatrixColumns[at % 8];
  }
  for (const BitGroup& g : bitGroups()) {
    const int k = index - g.firstIndex;
    if (k < 0 || k >= 8) continue;
    if (g.letter == 'M') return captionOf(g.boxes[static_cast<size_t>(k)]);
    // The reverse rows are captioned once above their columns CH1..CH8 and M1..M8.
    const bool receiver = g.letter == 'N';
    return captionOf(receiver ? 1206 : 1207) + (receiver ? " CH" : " M") + std::to_string(k + 1);
  }
  return "";
}

std::string shownSetting(int index, int32_t value) {
  if (const ListParam* p = listByIndex(index)) {
    const std::vector<std::string>& items = comboItems(p->combo);
    // The servo rate keeps 1 or 2 for its two items; the others keep item + 1.
    if (value >= 1 && value <= static_cast<int32_t>(items.size())) return items[static_cast<size_t>(value - 1)];
    return fillText(snapshot_text::kNotInList, {std::to_string(value)});
  }
  if (index >= kFirstCheckBox) {
    if (value == 0) return snapshot_text::kOff;
    if (value == 1) return snapshot_text::kOn;
    return std::to_string(value);
  }
  if ((index == 12 || index == 13) && value > 0) return "+" + std::to_string(value);
  return std::to_string(value);
}

std::vector<SettingDifference> compareSettings(const Settings& from, const Settings& to) {
  std::vector<SettingDifference> out;
  for (int i = 0; i < kParamCount; ++i) {
    const auto at = static_cast<size_t>(i);
    if (from[at] == to[at]) continue;
    out.push_back({i, settingCaption(i), trimmed(paramLabels()[at]), shownSetting(i, from[at]),
                   shownSetting(i, to[at]), i < kFirstCell || i > kLastCell});
  }
  return out;
}

std::vector<SettingDifference> sentDifferences(const std::vector<SettingDifference>& all) {
  std::vector<SettingDifference> out;
  for (const SettingDifference& d : all)
    if (d.sent) out.push_back(d);
  return out;
}

Text differenceWords(const SettingDifference& d) {
  return Marked{"Messages", snapshot_text::kDifference}.arg(d.caption).arg(d.label).arg(d.from).arg(d.to);
}

std::string differenceText(const SettingDifference& d) { return differenceWords(d).original(); }

Text differenceListWords(const std::vector<SettingDifference>& differences, size_t most) {
  Text out;
  for (size_t i = 0; i < differences.size() && i < most; ++i)
    out = i ? Marked{nullptr, "%1, %2"}.arg(out).arg(differenceWords(differences[i])) : differenceWords(differences[i]);
  if (differences.size() > most)
    out = Marked{"Messages", snapshot_text::kAndMore}
              .arg(Marked{nullptr, "%1,"}.arg(out))
              .arg(std::to_string(differences.size() - most));
  return out;
}

std::string differenceList(const std::vector<SettingDifference>& differences, size_t most) {
  return differenceListWords(differences, most).original();
}

}  // namespace zorv
