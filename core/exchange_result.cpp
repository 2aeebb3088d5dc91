#include "core/exchange_result.h"

namespace zorv {

ExchangeKind exchangeOf(Exchange step) {
  switch (step) {
    case Exchange::ReadBack:
    case Exchange::Identity: return ExchangeKind::ReadBack;
    case Exchange::DefaultSet: return ExchangeKind::DefaultSet;
    case Exchange::KindQuery:
    case Exchange::UpgradeCommand:
    case Exchange::LoaderPacket: return ExchangeKind::Upgrade;
    case Exchange::FileChain: return ExchangeKind::FileLoad;
    case Exchange::Calibration: return ExchangeKind::Calibration;
    case Exchange::ReverseReadBack: return ExchangeKind::ReverseReadBack;
    case Exchange::Display: return ExchangeKind::DisplayStart;
  }
  return ExchangeKind::ReadBack;
}

std::string noAnswerMessage(const Awaited& due) {
  return "the controller was asked " + due.asked + " and gave no answer within " + limitWords(limitOf(due));
}

const char* exchangeName(ExchangeKind kind) {
  switch (kind) {
    case ExchangeKind::ReadBack: return "ReadBack";
    case ExchangeKind::Setting: return "Setting";
    case ExchangeKind::DefaultSet: return "DefaultSet";
    case ExchangeKind::FileLoad: return "FileLoad";
    case ExchangeKind::FileSave: return "FileSave";
    case ExchangeKind::ImageChoice: return "ImageChoice";
    case ExchangeKind::Upgrade: return "Upgrade";
    case ExchangeKind::Calibration: return "Calibration";
    case ExchangeKind::ReverseReadBack: return "ReverseReadBack";
    case ExchangeKind::DisplayStart: return "DisplayStart";
    case ExchangeKind::DisplayStop: return "DisplayStop";
  }
  return "";
}

const char* outcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Done: return "Done";
    case Outcome::Refused: return "Refused";
    case Outcome::NoAnswer: return "NoAnswer";
    case Outcome::Lost: return "Lost";
    case Outcome::Failed: return "Failed";
  }
  return "";
}

}  // namespace zorv
