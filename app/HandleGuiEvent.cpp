#include "app/HandleGuiEvent.h"

#include "app/ControlIds.h"
#include "app/ImportExport.h"
#include "app/ReadEditBoxValue.h"
#include "app/ViewerLevel.h"
#include "framework/Framework.h"
#include "mapexport/ExportScale.h"

namespace ondrel::app {

// The toggles are called directly: the framework's own hot keys pause time
// and rendering around them, the buttons do not need to.
void HandleGuiEvent(UINT /*event*/, int controlId, gui::GuiControl* /*control*/) {
    switch (controlId) {
        case kToggleFullScreenId: framework::ToggleFullScreen(); break;
        case kToggleReferenceId: framework::ToggleReference(); break;
        case kChangeDeviceId: framework::ShowSettingsDialog(!framework::IsSettingsDialogShown()); break;
        case kImportId: ImportThroughDialog(); break;
        case kExportId: ExportThroughDialog(); break;
        case kTrisFactorId: ViewerLevel().extrudeFactorTris = ReadEditBoxValue(kTrisFactorId); break;
        case kBlocksFactorId: ViewerLevel().extrudeFactorBlocks = ReadEditBoxValue(kBlocksFactorId); break;
        case kScaleId: ExportScale() = ReadEditBoxValue(kScaleId); break;
        default: break;
    }
}

}  // namespace ondrel::app
