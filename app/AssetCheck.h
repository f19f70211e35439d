#pragma once
// The start-up check that every shipped picture is present and unchanged:
// the size of each file of ExpectedAssetSizes is compared with its pin, in
// table order, without reading any file. The first missing or differently
// sized file ends the program at once and silently.

namespace vellumo {

class Desktop;
struct AppState;

// Returns only when every file matched; otherwise the process ends here.
void CheckAssetFiles(Desktop& desktop, const AppState& state);

}  // namespace vellumo
