#pragma once
// Number boxes whose typed value the controller has not received. A value typed into a slider's
// box goes to the controller only when the slider is next released; until then the box shows it
// in the link colour with a tooltip, the save lists it before its own question, and Enter asks
// before closing. A value the controller reported raises no range warning.

#include <array>
#include "core/text.h"
#include <optional>
#include <string>
#include <vector>

#include "core/main_state.h"

namespace zorv {
class Window;

constexpr const char* kTypedNotSentTip = ZORV_NOOP("Messages", "Typed, not sent yet: release the slider to send it");

class TypedValues {
 public:
  // The controller holds `value` for slider parameter `index`: it reported it, or it was just
  // sent. The box shows that value; nothing typed is left there.
  void known(Window& win, int index, int value);
  // The pilot typed into the box of slider parameter `index`, which now reads `value`.
  void typed(Window& win, int index, int value);
  // The program put a value into the box (its slider moved): the typed one is gone.
  void replaced(Window& win, int index);
  // The box of `index` reads `value` because the controller holds it, not because the pilot
  // typed it: such a value raises no range warning, whatever it is.
  bool showsControllerValue(int index, int value) const;

  struct Pending {
    int index;
    int value;
    std::optional<int> held;  // what the controller holds, when known
  };
  // Typed values the controller does not hold, in the settings panel's order.
  std::vector<Pending> pending() const;

 private:
  bool isPending(int index) const;
  void show(Window& win, int index);
  std::array<std::optional<int>, kParamCount> held_{}, typed_{};
  std::array<bool, kParamCount> marked_{};
};

// What is pending, for a message: "60 typed into Доп. стабилизация and 30 typed into Уровень
// стабилиз.", each followed by " (the controller holds 45)" when withHeld and known.
std::string typedList(const std::vector<TypedValues::Pending>& pending, bool withHeld);
// The same as the words it is made of, for the window.
Text typedWords(const std::vector<TypedValues::Pending>& pending, bool withHeld);

}  // namespace zorv
