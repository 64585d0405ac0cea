#include "cli/search_options_cli.h"

#include <map>
#include <string>

#include "search/route_file.h"

namespace szl::cli {

namespace {
// Without its value an option would take the next option as one: "--route-file --allow-long".
// A name, not a path: the route file lives in the station's folder.
const CLI::Validator kRouteFileBase(
    [](std::string& value) {
      if (value.starts_with("-")) return "brak wartości (\"" + value + "\" to inna opcja)";
      if (!isRouteFileBase(value))
        return "\"" + value + "\" nie jest nazwą pliku w katalogu stacji";
      return std::string();
    },
    "");

void onOff(CLI::App* app, const std::string& name, bool& value, const std::string& what) {
  static const std::map<std::string, bool> kValues{{"on", true}, {"off", false}};
  app->add_option(name, value, what)
      ->transform(CLI::CheckedTransformer(kValues).description(""))
      ->type_name("on|off");
}
}  // namespace

void addRouteFileOption(CLI::App* app, SearchOptions& opt) {
  app->add_option("--route-file", opt.routeFileBase,
                  "nazwa pliku z trasami w katalogu stacji, bez \".txt\" (domyślnie trasy)")
      ->type_name("NAZWA")
      ->check(kRouteFileBase);
}

void addSearchOptions(CLI::App* app, SearchOptions& opt) {
  addRouteFileOption(app, opt);
  const std::map<std::string, Electrification> electrified{
      {"yes", Electrification::Yes}, {"no", Electrification::No}, {"all", Electrification::All}};
  app->add_option("--electrified", opt.electrification,
                  "trasy zelektryfikowane, bez sieci, wszystkie")
      ->transform(CLI::CheckedTransformer(electrified).description(""))
      ->type_name("yes|no|all");
  const std::map<std::string, Direction> direction{
      {"one-way", Direction::OneWay}, {"two-way", Direction::TwoWay}, {"all", Direction::All}};
  app->add_option("--direction", opt.direction, "trasy jednokierunkowe, dwukierunkowe, wszystkie")
      ->transform(CLI::CheckedTransformer(direction).description(""))
      ->type_name("one-way|two-way|all");
  onOff(app, "--platform-rule", opt.platformRule, "z wjazdu tylko na peron, z peronu na wyjazd");
  onOff(app, "--allow-repeats", opt.allowRepeats, "trasy przez ten sam element więcej niż raz");
  onOff(app, "--allow-long", opt.allowLong, "trasy od 59 pól wzwyż");
  onOff(app, "--through-objects", opt.passages.throughObjects, "przejazd przez obiekty");
  onOff(app, "--through-exits", opt.passages.throughExits, "przejazd przez wjazdy i wyjazdy");
  onOff(app, "--through-sidings", opt.passages.throughSidings, "przejazd przez tory postojowe");
  onOff(app, "--through-shed", opt.passages.throughShed, "przejazd przez lokomotywownię");
  onOff(app, "--through-platforms", opt.passages.throughPlatforms, "przejazd przez perony");
}

}  // namespace szl::cli
