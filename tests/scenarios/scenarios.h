// The scenarios every drawing of the form runs (scenarios.json, read as the test runs), and the
// loop that plays them on a drawing's driver. A driver performs each step with its toolkit's real
// key and mouse events and reads back what the user sees; the loop compares that with the step's
// "then" and returns every difference, so that each test framework reports them its own way.
#pragma once

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace orunika::scenarios {

// A driver of one drawing: every text is UTF-8, every control is named as on the form.
//   void Start();                                  a newly shown window, as the program starts
//   void Type(std::string_view box, std::string_view keys);
//   void Paste(std::string_view box, std::string_view text);
//   void Press(std::string_view key);
//   void Click(std::string_view control);
//   std::string Read(std::string_view what);       "a" to "d": a text; "seat", "focus": a name
template <typename Driver>
std::vector<std::string> Play(Driver& driver) {
  std::vector<std::string> differences;
  const nlohmann::json all = nlohmann::json::parse(std::ifstream(ORUNIKA_SCENARIOS));
  for (const nlohmann::json& scenario : all.at("scenarios")) {
    driver.Start();
    int number = 0;
    for (const nlohmann::json& step : scenario.at("steps")) {
      ++number;
      auto text = [&step](const char* key) { return step.at(key).get<std::string>(); };
      if (step.contains("type")) driver.Type(text("into"), text("type"));
      if (step.contains("paste")) driver.Paste(text("into"), text("paste"));
      if (step.contains("press")) driver.Press(text("press"));
      if (step.contains("click")) driver.Click(text("click"));
      for (const auto& [what, expected] : step.at("then").items()) {
        const std::string seen = driver.Read(what);
        if (seen != expected.template get<std::string>())
          differences.push_back(scenario.at("name").get<std::string>() + ", step " +
                                std::to_string(number) + ": " + what + " is \"" + seen +
                                "\", not " + expected.dump());
      }
    }
  }
  return differences;
}

}  // namespace orunika::scenarios
