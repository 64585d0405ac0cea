// szlakownik-cli: the window's work without the window, for scripts and tests.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/search_options_cli.h"
#include "model/fatal_error.h"
#include "platform/system.h"

namespace {

constexpr int kUsageStatus = 2;

// Help pages in the program's language.
void polishLabels(CLI::App& app) {
  auto f = app.get_formatter();
  f->label("Usage", "Użycie");
  f->label("OPTIONS", "OPCJE");
  f->label("SUBCOMMAND", "POLECENIE");
  f->label("Positionals", "Argumenty");
  f->label("Options", "Opcje");
  f->label("Subcommands", "Polecenia");
  f->label("REQUIRED", "WYMAGANE");
  f->label("TEXT", "TEKST");
}

template <typename T>
bool is(const CLI::ParseError& e) {
  return dynamic_cast<const T*>(&e) != nullptr;
}

// What is wrong with the command line, in the program's language where we know the error.
std::string usageError(const CLI::ParseError& e, const std::string& command) {
  const std::string what = e.what();
  const size_t colon = what.find(": ");
  const std::string option = what.substr(0, colon);
  if (is<CLI::ExtrasError>(e)) return "nieznane argumenty:" + what.substr(what.find(':') + 1);
  if (is<CLI::ArgumentMismatch>(e))
    return what.find("At Most") != std::string::npos ? "opcja " + option + " podana więcej niż raz"
                                                     : "brak wartości opcji " + option;
  if (is<CLI::ValidationError>(e) || is<CLI::ConversionError>(e)) {
    if (what.find("FAILED") != std::string::npos || colon == std::string::npos)
      return "zła wartość opcji " + option;
    return "zła wartość opcji " + option + ": " + what.substr(colon + 2);
  }
  if (is<CLI::RequiredError>(e)) {
    if (what.find("subcommand") == std::string::npos)
      return "brak argumentu " + what.substr(0, what.find(' '));
    return (command.empty() ? "brak polecenia" : "nieznane polecenie " + command) +
           " (info, search, groups, save albo check)";
  }
  return what;
}

CLI::App* stationCommand(CLI::App& app, const char* name, const char* what, std::string& station) {
  CLI::App* sub = app.add_subcommand(name, what);
  sub->set_help_flag("-h,--help", "pokazuje tę pomoc");
  sub->add_option("STACJA", station, "plik stacji (.stc)")->required()->type_name("PLIK");
  return sub;
}

int run(int argc, char** argv) {
  CLI::App app("Szlakownik bez okna: to, co robi okno, na tym samym rdzeniu.", "szlakownik-cli");
  polishLabels(app);
  app.option_defaults()->group("Opcje");
  app.set_help_flag("-h,--help", "pokazuje tę pomoc");
  app.set_version_flag("--version", "szlakownik-cli 2.0", "pokazuje wersję programu");
  app.require_subcommand(1);

  std::string station;
  szl::SearchOptions options;
  CLI::App* info = stationCommand(
      app, "info", "rozmiar stacji, komunikaty wczytania i rada przycięcia", station);
  CLI::App* search = stationCommand(
      app, "search", "wyszukuje wszystkie trasy i zapisuje plik z trasami obok stacji", station);
  szl::cli::addSearchOptions(search, options);
  CLI::App* groups =
      stationCommand(app, "groups", "grupy tras z pliku z trasami, jak w selekcji tras", station);
  szl::cli::addRouteFileOption(groups, options);
  szl::cli::SaveRequest saveRequest;
  std::string dataFrom;
  CLI::App* save = stationCommand(
      app, "save",
      "zapisuje pełny plik stacji z danymi i wybranymi trasami zapisanej wcześniej stacji",
      station);
  save->add_option("--output", saveRequest.output, "plik stacji do zapisania")
      ->required()
      ->type_name("PLIK");
  save->add_option("--data-from", dataFrom,
                   "zapisana stacja, z której brać dane obiektów, komentarz i trasy "
                   "(domyślnie sama STACJA)")
      ->type_name("PLIK");
  save->add_flag("--search", saveRequest.search,
                 "najpierw wyszukuje trasy jak polecenie search (plik z trasami zapisany tak "
                 "samo), potem zapisuje stację; bez tej opcji plik z trasami musi już być i "
                 "pasować do siatki");
  szl::cli::addSearchOptions(save, options);
  bool checkSearch = false;
  CLI::App* check = stationCommand(
      app, "check",
      "sprawdza stację: urwane tory, obiekty bez połączenia, cyfry bez obiektu, obiekty bez "
      "numeru, zajęty punkt 0 (status 3, gdy coś znaleziono)",
      station);
  check->add_flag("--search", checkSearch,
                  "najpierw wyszukuje trasy jak polecenie search i dodaje obiekty, do których nie "
                  "prowadzi żadna trasa (no-route)");
  szl::cli::addSearchOptions(check, options);

  // Paths with Polish letters reach the core as UTF-8 on every system.
  const std::vector<std::string> args = szl::sys::utf8Arguments(argc, argv);
  std::vector<const char*> argp;
  for (const std::string& a : args) argp.push_back(a.c_str());
  try {
    app.parse(static_cast<int>(argp.size()), argp.data());
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version: standard output
    const std::string command = args.size() > 1 && !args[1].starts_with('-') ? args[1] : "";
    std::cerr << "szlakownik-cli: " << usageError(e, command) << "\n"
              << "Pomoc: szlakownik-cli --help, szlakownik-cli POLECENIE --help\n";
    return kUsageStatus;
  }
  if (info->parsed()) return szl::cli::info(station);
  if (search->parsed()) return szl::cli::search(station, options);
  if (groups->parsed()) return szl::cli::groups(station, options);
  if (check->parsed()) return szl::cli::check(station, options, checkSearch);
  if (save->parsed()) {
    saveRequest.station = station;
    saveRequest.options = options;
    if (save->count("--data-from") > 0) saveRequest.dataFrom = dataFrom;
    return szl::cli::save(saveRequest);
  }
  return kUsageStatus;
}

}  // namespace

int main(int argc, char** argv) {
  szl::sys::prepareStandardStreams();
  szl::sys::ignoreFileSizeLimitSignal();
  // Whatever goes wrong beyond the files' own messages still ends with a word to the user.
  try {
    return run(argc, argv);
  } catch (...) {
    szl::cli::printMessage("Błąd krytyczny", szl::fatalErrorText("szlakownik-cli"));
  }
  return 1;
}
