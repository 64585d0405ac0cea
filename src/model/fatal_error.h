// The last word of a program that cannot go on: what went wrong, for the user.
#pragma once

#include <exception>
#include <string>

namespace szl {

// Called inside a catch block: the exception being handled, told in the author's words.
inline std::string fatalErrorText(const std::string& program) {
  std::string why = "Nieoczekiwany błąd";
  try {
    throw;
  } catch (const std::bad_alloc&) {
    why = "Zabrakło pamięci";
  } catch (const std::exception& e) {
    why += std::string(" (") + e.what() + ")";
  } catch (...) {
  }
  return why + "; " + program + " kończy pracę.";
}

}  // namespace szl
