#pragma once
#include <string_view>

namespace vellumo {

// Opened in the default browser when the program ends and from the info panel.
constexpr std::string_view kProductWebsite = "https://vellumo.orvenko.example/";
// The maker's website, opened from the info panel's logo.
constexpr std::string_view kMakerWebsite = "https://orvenko.example/";

}  // namespace vellumo
