#include "search/search_messages.h"

#include <cerrno>
#include <cstring>

#include "model/file_errors.h"
#include "model/plural.h"
#include "search/route_file.h"

namespace szl {

namespace {
const std::string nl = CrLf;

Message box(Icon icon, const char* title, std::string text, Buttons buttons = Buttons::Ok,
            MessageKind kind = MessageKind::Other) {
  return {icon, title, std::move(text), buttons, kind};
}

}  // namespace

Message stackOverflowMessage(int point) {
  return box(Icon::Critical, "Błąd krytyczny",
             "Przepełnienie wewnętrznego stosu!" + nl + nl +
                 "Nie wszystkie trasy przechodzące przez punkt " + std::to_string(point) +
                 " będą znalezione." + nl + nl + "Prawdopodobne przyczyny wystąpienia tego błędu:" +
                 nl + "• zbyt dużo rozgałęzień począwszy od punktu startowego trasy" + nl +
                 "• trasa przechodzi minimum dwa razy przez ten sam punkt" + nl +
                 "   po tym samym torze (robi 'kółko') - ustaw w opcjach.",
             Buttons::Ok, MessageKind::StackOverflow);
}

Message segmentOverflowMessage(int point) {
  return box(Icon::Exclamation, "Błąd",
             "Przepełnienie tablicy odcinków tras!" + nl + nl +
                 "Trasy te, przechodzące przez punkt " + std::to_string(point) +
                 " będą znalezione," + nl + "ale istnieje ryzyko, że ich zapisy będą błędne -" +
                 nl + "- sprawdź je później w selektorze tras." + nl + nl +
                 "Prawdopodobna przyczyna wystąpienia tego błędu:" + nl +
                 "• zbyt długi odcinek pomiędzy najbliższymi rozgałęzieniami.",
             Buttons::Ok, MessageKind::SegmentOverflow);
}

Message walkAbandonedMessage(int point, long long cells, double seconds) {
  // Tenths of a second, with a decimal comma.
  const long long tenths = static_cast<long long>(seconds * 10 + 0.5);
  const std::string time = std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " s";
  return box(Icon::Exclamation, "Błąd",
             "Przeszukiwanie tras z punktu " + std::to_string(point) + " zostało przerwane." + nl +
                 nl + "Z tego punktu sprawdzono już " + groupedNumber(cells) + " pól (w " + time +
                 "), a końca nie widać." + nl + "Możliwe przyczyny:" + nl +
                 "• tory tworzą pętlę, po której trasa może krążyć bez końca -" + nl +
                 "   postaw na pętli obiekt (np. punkt postojowy) albo ją rozetnij;" + nl +
                 "• wiele zwrotnic i krzyżownic jedna za drugą daje zbyt wiele dróg -" + nl +
                 "   usuń zbędne połączenia albo odznacz w opcjach \"Przejazd przez obiekty\"." +
                 nl + nl + "Nie wszystkie trasy z tego punktu zostaną znalezione;" + nl +
                 "przeszukiwanie idzie dalej od następnego punktu startowego.",
             Buttons::Ok, MessageKind::WalkAbandoned);
}

Message routeTooLongMessage() {
  return box(Icon::Critical, "Błąd", "Zbyt długa trasa!" + nl + nl + "Nie zostanie ona zapisana.",
             Buttons::Ok, MessageKind::RouteTooLong);
}

Message longRouteMessage() { return box(Icon::Critical, "Błąd", "Ta trasa jest zbyt długa."); }

Message rejectionMessage(const char* text) { return box(Icon::Critical, "Błąd", text); }

Message repeatedElementsMessage(int point, bool asking) {
  return box(Icon::Critical, "Błąd",
             "Powtarzające się elementy w trasie. (" + std::to_string(point) + ")",
             asking ? Buttons::OkCancel : Buttons::Ok, MessageKind::RepeatedElements);
}

Message crossingTwiceMessage(int point) {
  return box(Icon::Exclamation, "Ostrzeżenie",
             "Trasa dwa razy prowadzi przez element typu krzyżowego." + nl + nl +
                 "Tip:   Jeżeli wcześniejsza część trasy pokrywa się z " + nl +
                 "częścią późniejszą, zalecane jest odrzucenie tej trasy, " + nl +
                 "natomiast jeżeli wcześniejsza część trasy krzyżuje się " + nl +
                 "z częścią późniejszą, można tę trasę zatwierdzić. (" + std::to_string(point) +
                 ")",
             Buttons::OkCancel, MessageKind::RepeatedElements);
}

Message routeQuestion(bool twoWay, bool electrified, int startPoint, int endPoint) {
  // The numbers are printed with a leading space, as the word before them has none after it.
  return box(Icon::Question, "Trasa",
             std::string("Zaliczyć trasę") + (twoWay ? " dwukierunkową," : " jednokierunkową,") +
                 (electrified ? " zelektryfikowaną," : " niezelektryfikowaną,") + nl +
                 " od punktu " + std::to_string(startPoint) + " do punktu " +
                 std::to_string(endPoint) + " do właściwych tras?",
             Buttons::YesNoCancel);
}

Message distantCellsMessage() {
  return box(
      Icon::Critical, "Błąd krytyczny",
      "Zbyt odległe elementy w trasie." + nl + "Prześlij autorowi Szlakownika plik tej stacji.");
}

Message searchSummary(const SearchCounters& c) {
  return box(Icon::Information, "Szlakownik - OK",
             "Znaleziono:" + nl + "• " + std::to_string(c.connections) + " połączeń oraz" + nl +
                 "• " + std::to_string(c.proper) + " właściwych tras i" + nl + "• " +
                 std::to_string(c.improper) + " niewłaściwych tras.");
}

Message routeFileNameMessage(const std::string& base) {
  if (base.empty())
    return box(Icon::Critical, "Błąd",
               "Nie podano nazwy pliku z trasami." + nl + "Wpisz ją w opcjach wyszukiwania.");
  return box(Icon::Critical, "Błąd",
             "Nazwa pliku z trasami \"" + base + "\" nie może być nazwą pliku w katalogu stacji." +
                 nl + "To musi być sama nazwa, bez ukośników i znaków, których system nie" + nl +
                 "przyjmuje w nazwach plików, inna niż \".\", \"..\" i nazwy urządzeń (np. NUL)." +
                 nl + "Popraw ją w opcjach wyszukiwania.");
}

Message routeFileCreateMessage(const std::string& path, int err) {
  return box(Icon::Critical, "Błąd",
             "Nie można utworzyć pliku z trasami " + path + ":" + nl + writeFailureReason(err) +
                 nl + "Wyszukiwanie nie zostało rozpoczęte.");
}

Message routeFileWriteMessage(const std::string& path, int err, long long routes) {
  return box(Icon::Critical, "Błąd",
             "Błąd zapisu pliku z trasami " + path + ":" + nl + writeFailureReason(err) + nl +
                 "Wyszukiwanie zostało przerwane, a plik z trasami jest niekompletny:" + nl +
                 "zawiera tylko " +
                 counted(routes, "pierwszą trasę", "pierwsze trasy", "pierwszych tras") + ".");
}

Message routeFileFullMessage(const std::string& path, long long routes) {
  return box(Icon::Critical, "Błąd",
             "Wyszukiwanie zostało zatrzymane: plik z trasami " + path + nl +
                 "osiągnął największy dopuszczalny rozmiar, " +
                 std::to_string(kRouteFileLimit >> 20) + " MB, i zawiera " +
                 counted(routes, "trasę", "trasy", "tras") + "." + nl +
                 "Dalszych tras nie szukano." + nl + nl +
                 "Tylu tras nie ma żadna prawdziwa stacja: zapewne wiele zwrotnic i krzyżownic" +
                 nl + "jedna za drugą daje trasy we wszystkich kombinacjach przejazdu." + nl +
                 "Ogranicz je w opcjach: zaznacz \"Przejazd z wjazdu tylko na peron...\"," + nl +
                 "odznacz \"Zezwalaj na długie trasy\" i \"Przejazd przez obiekty\".");
}

}  // namespace szl
