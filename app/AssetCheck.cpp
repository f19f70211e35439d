#include "app/AssetCheck.h"

#include "app/ExitStatus.h"
#include "core/AppState.h"
#include "core/AssetFiles.h"
#include "platform/Desktop.h"
#include "platform/LoadError.h"

namespace vellumo {

void CheckAssetFiles(Desktop& desktop, const AppState& state) {
  for (const AssetFile& entry : ExpectedAssetSizes) {
    std::int64_t size = 0;
    try {
      size = desktop.fileSize(state.AssetRoot + std::string(entry.relativePath));
    } catch (const LoadError&) {
      // A missing file: the keyboard lock goes with the process.
      desktop.endProcess(kExitAssetsDamaged);
    }
    if (size != entry.size) {
      if (state.KeyboardHook != 0) desktop.removeKeyboardLock(state.KeyboardHook);
      desktop.endProcess(kExitAssetsDamaged);
    }
  }
}

}  // namespace vellumo
