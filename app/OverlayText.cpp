#include "app/OverlayText.h"

#include "app/ExportSummary.h"
#include "app/SceneObjects.h"
#include "app/TextLineWriter.h"
#include "framework/Framework.h"

namespace ondrel::app {

void RenderOverlayText(double /*time*/) {
    SceneObjects& scene = Scene();
    TextLineWriter writer(scene.font, scene.sprite, kOverlayLineHeight);
    writer.Begin();
    writer.SetInsertionPoint(2, 0);
    writer.SetColour(1.0f, 1.0f, 0.0f, 1.0f);
    // Without a font there is nothing to write with; the frame goes on.
    writer.DrawTextLine(framework::GetFrameStats());
    if (const std::u16string& summary = ExportSummary(); !summary.empty()) writer.DrawTextLine(summary.c_str());
    writer.End();
}

}  // namespace ondrel::app
