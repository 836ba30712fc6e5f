#pragma once

#include <string>

#include "listing/row_store.h"
#include "model/profile.h"
#include "platform/message.h"
#include "platform/progress.h"
#include "platform/regional.h"

namespace kestra {

// The record listing: what "Otwórz zbiór" does around the open dialog.

// The open dialog's filter for a kind: the kind's own entry, "|", then the
// catch-all "Wszystkie pliki|*.*" (the catch-all alone for kind 12).
std::string KindFilterText(int kind);

// PLSourceCodePage from the " Polskie znaki " item: 0 "CP-852" gives 2,
// any other item (1 "MAZovia") gives 1.
void SetSourceCodePageFromItem(int item_index);

// "Plik zerowej długości.", "Niestety", 48: an empty file is not listed.
Message ZeroLengthRefusal();

struct ListingRequest {
  std::string path;
  int kind = 0;
  Profile profile = Profile::A;
  RegionalSettings regional;
};

// The file loop: opens the file as an existing file of the kind's records,
// reads every whole record, builds its cells and appends a row to `rows`
// (which it clears first).  Any failure (IoError, InvalidFloatOperation)
// throws after the file is closed; the rows listed before it stay.
void ListRecords(const ListingRequest& request, RowStore& rows,
                 const ProgressFn& progress = {});

}  // namespace kestra
