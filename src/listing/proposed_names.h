#pragma once

#include <string>

namespace kestra {

// Proposed output name: the file name part of the current file path.
std::string ProposedOutputName(const std::string& path);

// Proposed backup name: the output name with every occurrence of its own
// extension text removed (letter case ignored, left to right), then ".ORG".
// FAKT03.DAT gives FAKT03.ORG, ZAK.B1X.B1 gives ZAKX.ORG, KASA gives KASA.ORG.
std::string ProposedBackupName(const std::string& output_name);

}  // namespace kestra
