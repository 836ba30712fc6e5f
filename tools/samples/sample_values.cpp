#include "samples/sample_values.h"

#include <span>
#include <string_view>

namespace kestra::sample_values {
namespace {

using Words = std::span<const std::string_view>;

constexpr std::string_view kCompanyKinds[] = {
    "Przedsiębiorstwo Handlowe", "Zakład Usługowy", "Hurtownia", "Piekarnia",
    "Spółdzielnia Mleczarska", "Firma Budowlana", "Sklep Spożywczy", "Biuro Rachunkowe",
    "Drukarnia", "Przetwórnia Owoców", "Zakład Stolarski", "Apteka",
};
constexpr std::string_view kCompanyNames[] = {
    "Łączność", "Żuraw", "Świt", "Gęś", "Źródło", "Słoneczko", "Jaśmin", "Orzeł", "Pszczółka",
    "Bałtyk", "Wiśniewski i Syn", "Zięba", "Mazowsze", "Róża", "Kłos", "Dąbrówka",
};
constexpr std::string_view kCompanyLines2[] = {
    "Spółka z o.o.", "Sp. j. Nowak i Wspólnicy", "S.A.", "Jan Żółkiewski",
    "Małgorzata Dąbrowska", "Łukasz Wójcik", "Zbigniew Ślęzak", "Elżbieta Jóźwiak",
    "Spółdzielnia Pracy", "Przedsiębiorstwo Państwowe w likwidacji",
};
constexpr std::string_view kPersons[] = {
    "Jan Kowalski", "Anna Wiśniewska", "Grzegorz Brzęczyszczykiewicz", "Małgorzata Łęcka",
    "Józef Żółć", "Zofia Śliwińska", "Tomasz Kędzierski", "Katarzyna Ziółkowska",
    "Paweł Jaźwiński", "Agnieszka Nowacka", "Ryszard Ćwikliński", "Halina Źrebiec",
};
constexpr std::string_view kStreets[] = {
    "ul. Świętokrzyska 12/4", "ul. Żeromskiego 5", "ul. Łąkowa 17", "al. Niepodległości 221",
    "ul. Źródlana 3", "ul. Kościuszki 44 m. 7", "ul. Ogrodowa 9", "pl. Wolności 1",
    "ul. Gałczyńskiego 8", "os. Tysiąclecia 15/102", "ul. Piłsudskiego 31", "ul. Jęczmienna 2",
};
constexpr std::string_view kCities[] = {
    "00-950 Warszawa", "30-001 Kraków", "80-958 Gdańsk", "90-001 Łódź", "60-101 Poznań",
    "50-001 Wrocław", "35-001 Rzeszów", "15-001 Białystok", "87-100 Toruń", "25-001 Kielce",
    "20-001 Lublin", "43-300 Bielsko-Biała", "82-300 Elbląg", "09-400 Płock",
    "33-300 Nowy Sącz", "58-500 Jelenia Góra", "34-500 Zakopane", "62-800 Kalisz",
};
constexpr std::string_view kProducts[] = {
    "Mąka pszenna typ 650 1kg", "Cukier biały 1kg", "Olej rzepakowy 1l", "Śruba M8x40 ocynk",
    "Farba emulsyjna biała 10l", "Płyta gipsowa 12,5mm", "Żarówka 60W E27",
    "Łańcuch stalowy 6mm", "Gwóźdź budowlany 100mm", "Kabel YDY 3x2,5", "Pędzel płaski 50mm",
    "Wiertło do betonu 8mm", "Klej do płytek 25kg", "Cement portlandzki 25kg",
};
constexpr std::string_view kProductCodes[] = {
    "PKWiU 15.61.2", "PKWiU 15.83.1", "PKWiU 28.74.1", "PKWiU 24.30.2", "PKWiU 26.62.1",
    "PKWiU 31.50.1",
};
constexpr std::string_view kProductNotes[] = {
    "wyrób własny", "towar z importu", "produkcja na zamówienie", "zgodny z normą PN-EN",
    "przechowywać w suchym miejscu", "wycofany ze sprzedaży",
};
constexpr std::string_view kBanks[] = {
    "PKO Bank Polski S.A. Oddział 1 w Łodzi", "Bank Pekao S.A. I O/Kraków",
    "ING Bank Śląski S.A.", "Bank Zachodni WBK S.A. 2 O/Poznań", "Bank Spółdzielczy w Płońsku",
    "Bank Millennium S.A.", "Kredyt Bank S.A. O/Gdańsk", "BGŻ S.A. O/Białystok",
};
constexpr std::string_view kTransferTitles[] = {
    "Zapłata za fakturę", "Wpłata zaliczki na poczet dostawy", "Zwrot nadpłaty",
    "Opłata za usługi księgowe", "Przelew wynagrodzenia", "Składka ZUS", "Podatek VAT-7",
};
constexpr std::string_view kCashTitles[] = {
    "Wpłata gotówki do kasy", "Zakup materiałów biurowych", "Zaliczka dla pracownika",
    "Opłata pocztowa", "Sprzedaż detaliczna", "Wypłata z kasy do banku", "Zwrot kosztów podróży",
};
constexpr std::string_view kPayments[] = {
    "gotówka", "przelew 7 dni", "przelew 14 dni", "przelew 30 dni", "za pobraniem", "kompensata",
};

// Days from 2003-01-01 to 2027-01-01.
constexpr int kSampleDays = 8766;
constexpr int kFirstYear = 2003;

std::string_view Pick(Words words, Random& random) {
  return words[static_cast<std::size_t>(random.Below(static_cast<int>(words.size())))];
}

std::string TwoDigits(int value) {
  return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

std::string MonthYear(const PackedDate& date) {
  return "/" + TwoDigits(date.month) + "/" + std::to_string(date.year);
}

std::string Digits(Random& random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text.push_back(static_cast<char>('0' + random.Below(10)));
  return text;
}

std::string BankAccount(Random& random) {
  std::string text = Digits(random, 2);
  for (int group = 0; group < 6; ++group) text += " " + Digits(random, 4);
  return text;
}

std::string AddressNote(Random& random) {
  return "NIP " + Digits(random, 3) + "-" + Digits(random, 3) + "-" + Digits(random, 2) + "-" +
         Digits(random, 2) + ", tel. (" + Digits(random, 2) + ") " + Digits(random, 3) + "-" +
         Digits(random, 2) + "-" + Digits(random, 2) + ", płatność: " +
         std::string(Pick(kPayments, random));
}

// Civil date of a day count from 1970-01-01 (proleptic Gregorian).
PackedDate DateOfDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = days / 146097;
  const std::int64_t day_of_era = days - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t mp = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const std::int64_t year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
  return PackedDate{static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month),
                    static_cast<std::uint16_t>(year)};
}

constexpr std::int64_t kDaysTo2003 = 12053;  // 1970-01-01 to 2003-01-01

}  // namespace

std::uint64_t Random::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

PackedDate SampleDate(std::int64_t index, Random& random) {
  // A record every three days or so: 3000 records span 2003..2026, more
  // records start again in 2003.
  const std::int64_t day = (index * 3 + random.Below(3)) % kSampleDays;
  PackedDate date = DateOfDays(kDaysTo2003 + day);
  if (date.year < kFirstYear) date.year = kFirstYear;
  return date;
}

double SampleAmount(Random& random, bool signed_amounts) {
  // Mostly everyday sums, now and then a large one.
  const std::int64_t scale = random.Below(10) == 0 ? 100'000'000 : 1'000'000;
  std::int64_t hundredths = static_cast<std::int64_t>(random.Next() % static_cast<std::uint64_t>(scale)) + 1;
  if (signed_amounts && random.Below(3) == 0) hundredths = -hundredths;
  return static_cast<double>(hundredths) / 100.0;
}

std::string RoleText(TextRole role, const RecordContext& context) {
  Random& random = *context.random;
  const std::string number = std::to_string(context.index + 1);
  switch (role) {
    case TextRole::kNone: return {};
    case TextRole::kDocumentSuffix: return MonthYear(context.date);
    case TextRole::kPurchaseNumber: return "FZ " + number + MonthYear(context.date);
    case TextRole::kCompany:
      return std::string(Pick(kCompanyKinds, random)) + " " + std::string(Pick(kCompanyNames, random));
    case TextRole::kCompanyLine2: return std::string(Pick(kCompanyLines2, random));
    case TextRole::kPerson: return std::string(Pick(kPersons, random));
    case TextRole::kStreet: return std::string(Pick(kStreets, random));
    case TextRole::kCity: return std::string(Pick(kCities, random));
    case TextRole::kProduct: return std::string(Pick(kProducts, random));
    case TextRole::kProductCode: return std::string(Pick(kProductCodes, random));
    case TextRole::kProductNote: return std::string(Pick(kProductNotes, random));
    case TextRole::kBank: return std::string(Pick(kBanks, random));
    case TextRole::kBankAccount: return BankAccount(random);
    case TextRole::kSortCode: return Digits(random, 8);
    case TextRole::kTransferTitle:
      return std::string(Pick(kTransferTitles, random)) + " FV " + number + MonthYear(context.date);
    case TextRole::kCashTitle: return std::string(Pick(kCashTitles, random));
    case TextRole::kCashDocument:
      return (random.Below(2) == 0 ? "KP " : "KW ") + number + MonthYear(context.date);
    case TextRole::kAddressNote: return AddressNote(random);
  }
  return {};
}

}  // namespace kestra::sample_values
