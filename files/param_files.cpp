// The handlers of the parameter files: saving, the load hint, the load list and the chain of
// settings that sends a saved file back.

#include "files/param_files.h"
#include "core/text.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "core/control_ids.h"
#include "core/core.h"
#include "core/no_answer.h"
#include "core/param_catalogue.h"
#include "core/setting_command.h"
#include "files/file_store.h"
#include "files/load_chain.h"
#include "files/param_file_format.h"

namespace zorv {

namespace {

constexpr int kChainWaitMs = 50;

constexpr char kWarningCaption[] = ZORV_NOOP("Messages", "Tarvik Warning：");
constexpr char kHintCaption[] = ZORV_NOOP("Messages", "Tarvik航模提示：");

constexpr char kSaveQuestion[] =
    ZORV_NOOP("Messages", "you will save the current data now，and it's defaut filename is TKVR_Data.txt,\r\ryou can change the "
    "filename or path。\r\rWarning：you can not edit the file or data format，if you do ,it can not revcover to "
    "corvexe！\r\rAre you sure to save the data？");
constexpr char kLoadHint[] =
    ZORV_NOOP("Messages", "Attention：please select the Item to Load Default Data!\r\r1.Load default data。\r\r2.Load from file you "
    "saved \r\r注意：不要改变原有文件的格式，否则恢复的参数可能不正确!");
constexpr char kSaveFilter[] = ZORV_NOOP("Messages", "TXT File (*.txt)|*.txt||");
constexpr char kLoadFilter[] = ZORV_NOOP("Messages", "file self_saved_(*.txt)|*.txt|All file(*.*)|*.*||");

// Settings a saved file sends after its announcement "Sj0004".
constexpr int kChainSettings = static_cast<int>(sizeof kLoadChain) - 1;

// Arms the watchdog for the answer to the chain command about to go out ("SC0050\r").
void awaitChainAnswer(Core& core, const std::string& command) {
  const char letter = command.size() > 1 ? command[1] : 'j';
  const int at = static_cast<int>(std::find(std::begin(kLoadChain), std::end(kLoadChain), letter) - std::begin(kLoadChain));
  const int answered = std::max(0, at - 1);  // settings confirmed before this one
  const std::string shown = command.substr(0, command.size() > 0 ? command.size() - 1 : 0);
  core.await(Exchange::FileChain,
             at == 0 ? ZORV_TEXT("Messages", "to take a saved file (%1)").arg(shown)
                     : ZORV_TEXT("Messages", "to take setting %1 of %2 from your file (%3)")
                           .arg(answered + 1)
                           .arg(kChainSettings)
                           .arg(shown),
             answered, kChainSettings);
}

void warn(Core& core, const Text& text) {
  core.prompts.tell(text, Text(kWarningCaption), Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void refuseLoad(Core& core, const std::string& path, const Text& why) {
  warn(core, ZORV_TEXT("Messages", "This file cannot be loaded: %1.\r\rNothing was sent to the controller.\r\r%2")
                 .arg(why)
                 .arg(path));
  core.ended({ExchangeKind::FileLoad, Outcome::Refused, why.original()});
}

// How far the chain has got, from the answer it awaits: settings the controller took of all.
ExchangeResult chainEnd(const Core& core, Outcome outcome, std::string message) {
  ExchangeResult end{ExchangeKind::FileLoad, outcome, std::move(message), 0, kChainSettings};
  if (const Awaited* a = core.watchdog.awaited(); a && a->exchange == Exchange::FileChain) end.done = a->done;
  return end;
}

void selectDefaultSet(Core& core, int k) {
  // The answer "Sj0..." is taken in mode 0 and restarts the read-back.
  core.st.LinkMode = LinkMode::Rest;
  core.st.ReceiveBuffer.clear();
  core.st.ReceivedCount = 0;
  core.replacing(ExchangeKind::DefaultSet);
  core.await(Exchange::DefaultSet, ZORV_TEXT("Messages", "to load the default set “%1”")
                                       .arg(Text(Marked{"Window", core.win.text(ids::kLoadList).c_str()})));
  core.sendSetting('j', k);
}

// A file holding values beyond what the tool knows (saved from a controller that held them) is
// sent only when the pilot says so, once, with every such line listed.
bool sendUnknownValues(Core& core, const ParamFileReading& reading) {
  Text words;
  for (const ParamFileReading::Unknown& u : reading.unknown) {
    const Text line = ZORV_TEXT("Messages", "line %1 (\"%2\") %3, outside %4: %5\r")
                          .arg(u.line)
                          .arg(u.label)
                          .arg(u.field)
                          .arg(u.known)
                          .arg(u.sent ? ZORV_TEXT("Messages", "sent as it stands")
                                      : ZORV_TEXT("Messages", "cannot go out as four digits, skipped"));
    words = words.empty() ? line : Text(Marked{nullptr, "%1%2"}).arg(words).arg(line);
  }
  std::string lines = words.original();
  if (core.prompts.tell(ZORV_TEXT("Messages", "This file holds values this tool does not know:\r\r%1\rSend the file "
                                              "to the controller? No sends nothing.")
                            .arg(words),
                        Text(kWarningCaption), Prompts::Buttons::YesNo, Prompts::Icon::Question,
                        true) == Prompts::Answer::Yes)
    return true;
  lines.pop_back();
  for (char& c : lines)
    if (c == '\r') c = '\n';
  core.ended({ExchangeKind::FileLoad, Outcome::Refused, std::string(kUnknownValuesNotSent) + "\n" + lines});
  return false;
}

void loadSavedFile(Core& core) {
  const std::optional<std::string> path = core.prompts.openFile(kLoadFilter, "*.txt");
  if (!path) {  // the link mode stays as it was
    core.ended({ExchangeKind::FileLoad, Outcome::Refused, "no file was chosen"});
    return;
  }
  loadParamFile(core, *path, false);
}

}  // namespace

// The file is read and checked before anything goes to the controller, so a wrong file never
// sends a single setting; the chain then runs answer by answer from "Sj0004".
void loadParamFile(Core& core, const std::string& path, bool confirmed) {
  BoundedRead file = readFileBounded(path, kParamFileMaxBytes);
  if (file.result == BoundedRead::TooLarge) {
    refuseLoad(core, path, ZORV_TEXT("Messages", "it is larger than 64 KiB, far more than a saved parameter file"));
    return;
  }
  if (file.result != BoundedRead::Ok) {
    refuseLoad(core, path, ZORV_TEXT("Messages", "it cannot be read (%1)").arg(file.error));
    return;
  }
  const ParamFileReading reading = readParamFile(file.bytes);
  if (!reading.ok) {
    refuseLoad(core, path,
               ZORV_TEXT("Messages", "%1; it is not a parameter file saved by this tool").arg(reading.refusalWords));
    return;
  }

  if (!confirmed && !reading.unknown.empty() && !sendUnknownValues(core, reading)) return;
  core.replacing(ExchangeKind::FileLoad);

  MainState& st = core.st;
  for (size_t n = 0; n < reading.lines.size(); ++n) st.LoadedLines[n] = reading.lines[n];
  for (size_t n = 20; n < static_cast<size_t>(kParamFileLines); ++n) st.LoadedValues[n] = reading.values[n];

  st.LinkMode = LinkMode::FileChain;
  st.ReceiveBuffer.clear();
  st.ReceivedCount = 0;
  core.port.discardInput();
  awaitChainAnswer(core, chainStartCommand());
  core.send(chainStartCommand());
}

void onSaveParams(Core& core) {
  // Typed values the controller never received go into the file as the table holds them: said
  // first, apart from the save's own question. A typed value beyond the scale stays in its box
  // only, and the file holds the table's value.
  std::vector<TypedValues::Pending> typed = core.typedValues.pending();
  typed.erase(std::remove_if(typed.begin(), typed.end(),
                             [](const TypedValues::Pending& t) { return !paramScale(t.index).holds(t.value); }),
              typed.end());
  if (!typed.empty() &&
      core.prompts.tell(ZORV_TEXT("Messages", "These values were typed but not sent to the controller; the file will "
                                              "hold them: %1.\r\rOK goes on to save them; Cancel saves nothing. "
                                              "Releasing a slider sends its typed value.")
                            .arg(typedWords(typed, true)),
                        Text(kWarningCaption), Prompts::Buttons::OkCancel, Prompts::Icon::Warning) != Prompts::Answer::Ok) {
    core.ended(
        {ExchangeKind::FileSave, Outcome::Refused, "saving values that were typed but not sent was not confirmed"});
    return;
  }
  if (core.prompts.message(kSaveQuestion, kWarningCaption, Prompts::Buttons::OkCancel, Prompts::Icon::Warning) !=
      Prompts::Answer::Ok) {
    core.ended({ExchangeKind::FileSave, Outcome::Refused, "the save was not confirmed"});
    return;
  }
  const std::optional<std::string> path = core.prompts.saveFile("TKVR_Data", kSaveFilter, ".txt");
  if (!path) {
    core.ended({ExchangeKind::FileSave, Outcome::Refused, "no file was chosen"});
    return;
  }
  const std::string bytes = writeParamFile(core.win.comboIndex(ids::kPortList) + 1, core.st.ParamValues);
  const std::string error = replaceFileContents(*path, bytes);
  if (!error.empty()) {
    warn(core, ZORV_TEXT("Messages", "The parameters could not be saved: %1.\r\rAny file that was there is "
                                     "unchanged.\r\r%2")
                   .arg(error)
                   .arg(*path));
    core.ended({ExchangeKind::FileSave, Outcome::Failed, error});
    return;
  }
  core.ended({ExchangeKind::FileSave, Outcome::Done, *path});
}

void onLoadHint(Core& core) {
  core.prompts.message(kLoadHint, kHintCaption, Prompts::Buttons::OkCancel, Prompts::Icon::None);
}

void onLoadListChanged(Core& core) {
  const int item = core.win.comboIndex(ids::kLoadList);
  if (item >= 0 && item < kLoadFileItem) {
    selectDefaultSet(core, item);
  } else if (item == kLoadFileItem) {
    loadSavedFile(core);
  }
}

void onChainReply(Core& core) {
  MainState& st = core.st;
  // An answer whose LF came in a later piece leaves it at the head: it belongs to the last
  // answer, not to this one.
  size_t skip = 0;
  while (skip < st.ReceiveBuffer.size() && (st.ReceiveBuffer[skip] == '\r' || st.ReceiveBuffer[skip] == '\n'))
    ++skip;
  if (skip > 0) {
    st.ReceiveBuffer.erase(0, skip);
    st.ReceivedCount = std::max<int32_t>(0, st.ReceivedCount - static_cast<int32_t>(skip));
  }
  if (st.ReceivedCount <= 6) return;

  const std::string tag = st.ReceiveBuffer.substr(0, 2);
  st.ReceivedCount = 0;
  st.ReceiveBuffer.clear();
  core.clock.busyWait(kChainWaitMs);

  const ChainStep step = chainStepAfter(tag, st.LoadedLines, st.LoadedValues);
  switch (step.kind) {
    case ChainStep::Unknown:
      return;  // not an answer of the chain: dropped
    case ChainStep::Broken: {
      // Nothing the controller can take: the chain ends here.
      const ExchangeResult end =
          chainEnd(core, Outcome::Failed, "a check-box line of the file holds neither 0 nor 1");
      st.LinkMode = LinkMode::Rest;
      core.watchdog.disarm();
      core.ended(end);
      return;
    }
    case ChainStep::Send:
      core.port.discardInput();
      awaitChainAnswer(core, step.command);
      core.send(step.command);
      return;
    case ChainStep::Finish:
      st.LinkMode = LinkMode::Rest;
      core.port.discardInput();
      core.startReadback(false);  // the read-back shows what the controller now holds
      core.ended({ExchangeKind::FileLoad, Outcome::Done, "", kChainSettings, kChainSettings});
      return;
  }
}

void onLoadSilent(Core& core, const Awaited& due) {
  reportNoAnswer(core, due);
  if (due.exchange == Exchange::DefaultSet) {
    warn(core, ZORV_TEXT("Messages", "The controller did not answer the choice of a default set, so it may or may not "
                                     "have loaded it. Pick the port again to read what it now holds."));
  } else {
    warn(core, ZORV_TEXT("Messages", "The controller stopped answering after %1 of %2 settings; pick the port again to "
                                     "read what it now holds.")
                   .arg(due.done)
                   .arg(due.steps));
  }
  core.ended({exchangeOf(due.exchange), Outcome::NoAnswer, noAnswerMessage(due), due.done, due.steps});
}

}  // namespace zorv
