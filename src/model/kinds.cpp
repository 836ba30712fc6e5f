#include "model/kinds.h"

#include <array>

namespace kestra {
namespace {

struct KindEntry {
  std::string_view caption;
  std::string_view filter;
  std::uint32_t length_a;
  std::uint32_t length_b;
};

constexpr std::array<KindEntry, kKindCount> kKinds{{
    {"Dokumenty sprzedaży", "Sprzedaż|Fakt*.*;Para*.*;Rach*.*;FVWE*.*;WDT*.*", 5042, 5962},
    {"Korekty sprzedaży", "Korekty|*kor*.*", 10240, 9440},
    {"Generator faktur", "Szablony|Szablon.*", 5741, 5469},
    {"Noty korygujące", "Noty korygujące|Nota*.*", 2254, 2254},
    {"Magazyn", "Magazyn|Towar.*", 473, 699},
    {"Wyroby", "Wyroby|Wyrob.*", 2085, 2311},
    {"Zamowienia", "Zamówienia|zam*.*", 4997, 4597},
    {"Reklamacje", "Reklamacje|Rekl*.*", 1680, 1680},
    {"Dokumenty miedzymagazynowe", "Międzymagazynowe|PZ*.*;WZ*.*;MM*.*;PW*.*;RW*.*", 4732, 5612},
    {"Zakupy,faktury RR", "Zakupy+Faktury RR|Zak*.*;FVRR*.*;WNT*.*", 4341, 4330},
    {"KP,KW", "KP i KW|KP_*.*;KW_*.*", 611, 611},
    {"Spis banków", "Spis banków|Banki.*", 286, 286},
    {"Operacje bankowe", "", 459, 459},
    {"Rejestr raportu kasowego", "Rej.rap.kasowego|Kasa.*", 131, 131},
    {"Przekazy pieniężne", "Przekazy pieniężne|ppost*.*;pbank*.*;bdw*.*", 300, 300},
    {"Kartoteka adresowa", "Kartoteka adresowa|Adresy.*;Dostawcy*.*", 557, 685},
}};

}  // namespace

bool IsValidKind(int kind) { return kind >= 0 && kind < kKindCount; }

std::string_view KindCaption(int kind) {
  return IsValidKind(kind) ? kKinds[kind].caption : std::string_view{};
}

std::string_view KindFilter(int kind) {
  return IsValidKind(kind) ? kKinds[kind].filter : std::string_view{};
}

std::uint32_t RecordLength(Profile profile, int kind) {
  if (!IsValidKind(kind)) return 0;
  return profile == Profile::A ? kKinds[kind].length_a : kKinds[kind].length_b;
}

}  // namespace kestra
