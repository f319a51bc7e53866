#pragma once
// The ids of the two panels' controls. The event handler dispatches on
// these alone. The "Extrude Factor (Tris)" label shares 11 with the export
// button; labels raise no events, so 11 always means the button.

namespace ondrel::app {

inline constexpr int kToggleFullScreenId = 1;
inline constexpr int kToggleReferenceId = 3;
inline constexpr int kChangeDeviceId = 4;
inline constexpr int kImportId = 7;
inline constexpr int kExportId = 11;
inline constexpr int kTrisLabelId = 11;
inline constexpr int kTrisFactorId = 13;
inline constexpr int kBlocksLabelId = 14;
inline constexpr int kBlocksFactorId = 15;
inline constexpr int kScaleLabelId = 16;
inline constexpr int kScaleId = 17;

}  // namespace ondrel::app
