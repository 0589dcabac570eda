#include "playback/data_entry_model.h"

std::optional<std::string> DataEntryModel::DefaultText() const {
  if (request_.strDefault == kNoDefault) return std::nullopt;
  return request_.strDefault;
}

DataEntryResult DataEntryModel::Result(bool ok) const {
  DataEntryResult result;
  result.ok = ok;
  if (ok) result.strValue = value_;
  return result;
}
