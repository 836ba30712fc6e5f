#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/profile.h"
#include "platform/errors.h"
#include "platform/message.h"
#include "platform/progress.h"

namespace kestra {

// What "GOŁ" reads from the window at the moment of the press.
struct ExtractionRequest {
  std::string current_path;  // "<brak>" before any file was chosen
  std::string backup_name;
  std::string output_name;
  bool rename_first = true;
  std::int32_t from = 1;  // record numbers, from 1, both included
  std::int32_t to = 1;
  int kind = 0;
  Profile profile = Profile::A;
};

// How a press ends: exactly one of a message box of the program's own
// (messages 1, 2, 3 or the no-file refusal) or the I/O error that ended it.
struct ExtractionOutcome {
  std::optional<Message> message;
  std::optional<IoError> error;
};

// The current file path before any file has been chosen.
inline constexpr const char* kNoFilePath = "<brak>";

// Renames the current file to the backup name when asked, then copies
// records from..to of the copy source into a new output file in the same
// folder, byte for byte.
ExtractionOutcome ExtractRange(const ExtractionRequest& request,
                               const ProgressFn& progress = {});

}  // namespace kestra
