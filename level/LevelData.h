#pragma once
// The one in-memory level: the imported triangles, the triangles of the
// solids made from them for display, the brushes and origin the map writer
// uses, the two extrusion factors, the two drawable vertex buffers and the
// lock that keeps them consistent.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>

#include "level/AllocationGate.h"
#include "level/LevelVertex.h"
#include "level/LevelVertexBuffer.h"
#include "level/Brush.h"

namespace ondrel {

class FileReader;

// Colour a vertex gets when its file gives none.
inline constexpr std::uint32_t kDefaultVertexColour = 0xFFFF3F3Fu;
inline constexpr float kDefaultExtrudeFactorTris = 5.0f;
inline constexpr float kDefaultExtrudeFactorBlocks = 6.0f;

class LevelData {
public:
    LevelData();
    ~LevelData();
    LevelData(const LevelData&) = delete;
    LevelData& operator=(const LevelData&) = delete;

    // Empties both triangle lists and releases both buffers. The brushes,
    // the export origin and the factors stay until the next conversion.
    void Reset();

    // Replaces the level with the triangles of a level export file. True
    // when the file was read and the source buffer holds its records.
    bool Import(const std::filesystem::path& path, bool binary);
    bool Import(std::u16string_view path, bool binary);
    // The same from a reader already opened, on a file or on bytes in memory.
    bool Import(FileReader& file, bool binary);

    // Conversion to solids and map writing are mapexport's
    // (`ConvertToSolids`, `WriteMapFile`); the level only holds what they
    // make and read.

    // Where vertex buffers come from: the viewer's device, or a stand-in.
    // Without a factory no buffer can be created.
    void SetBufferFactory(LevelVertexBufferFactory* factory) { bufferFactory_ = factory; }

    // Appends one record to the source list, growing it when full; false
    // (and the record dropped) when it cannot grow.
    bool AppendSourceVertex(const LevelVertex& vertex);
    bool GrowSourceList();

    // Whether the preview's records are worth storing: false when the
    // buffers never look at them because nothing is drawn.
    bool KeepsPreviewRecords() const;

    // Replaces `previewBuffer` with a copy of the first `previewCount`
    // preview records. The old buffer goes first; false when there are no
    // records, or the new buffer is refused (none is kept) or cannot be
    // filled (it is kept, its contents undefined).
    bool UploadPreview();

    // Frees every brush and the faces they hold.
    void ClearBrushes();

    std::unique_ptr<LevelVertex[]> sourceVertices;
    std::unique_ptr<LevelVertex[]> previewVertices;
    std::uint32_t sourceCapacity = 0;
    std::uint32_t sourceCount = 0;
    std::uint32_t previewCount = 0;
    std::unique_ptr<LevelVertexBuffer> sourceBuffer;
    std::unique_ptr<LevelVertexBuffer> previewBuffer;
    float exportOrigin[3] = {0.0f, 0.0f, 0.0f};
    std::unique_ptr<Brush[]> brushes;
    std::uint32_t brushCount = 0;
    std::unique_ptr<BrushFace[]> brushFaces;  // the faces of all brushes, in brush order
    mutable std::recursive_mutex lock;
    float extrudeFactorTris = kDefaultExtrudeFactorTris;
    float extrudeFactorBlocks = kDefaultExtrudeFactorBlocks;

    // Asked before every allocation of the lists above.
    AllocationGate allocationGate;

private:
    bool ImportOpened(FileReader& file, bool binary);
    void ImportText(FileReader& file);
    void ImportBinary(FileReader& file);
    std::unique_ptr<LevelVertexBuffer> UploadRecords(const LevelVertex* records,
                                                     std::uint32_t count, bool* filled);

    LevelVertexBufferFactory* bufferFactory_ = nullptr;
};

}  // namespace ondrel
